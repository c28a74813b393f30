#pragma once
#include "ReportData.h"

#include <QDialog>

class QPlainTextEdit;
class QTextBrowser;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The report designer: the template's source, the fields of the data set, the variables (the
// category " 自定义变量" with sCurKHname, memoDate and memoCaption) and the template tags, a live
// preview of the expanded template over the first rows, a full print preview, and saving back to
// Qr/<name>.html. Double-clicking a field or variable inserts its placeholder at the cursor.
class ReportDesigner : public QDialog {
    Q_OBJECT
public:
    static constexpr int PreviewRows = 100;

    ReportDesigner(const QString &templateName, ReportData data, QWidget *parent = nullptr);

    QString path() const { return m_path; }
    QString source() const;
    bool isModified() const;
    // Writes the source to the template file; a failure is shown and keeps the editor open.
    bool save();
    void updatePreview();

public slots:
    void reject() override;

private:
    bool confirmClose();
    void fillFields();
    void insertItem(QTreeWidgetItem *item);
    void showPrintPreview();

    QString m_name;
    QString m_path;
    ReportData m_data;
    QPlainTextEdit *m_source = nullptr;
    QTreeWidget *m_fields = nullptr;
    QTextBrowser *m_preview = nullptr;
    QTimer *m_previewTimer = nullptr;
};
