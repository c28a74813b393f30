#pragma once
#include <QDialog>

// TfrmAboutInfo, "关于我们": the product's name and version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("关于我们");
    explicit AboutDialog(QWidget *parent = nullptr);
};
