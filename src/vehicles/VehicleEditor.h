#pragma once
#include "forms/EditorDialog.h"

class PictureSlot;
class QLabel;
class PicturePages;

// TfrmCARedit, "车辆信息档案": adds a vehicle or changes the source's current one. Opened by
// the vehicle archive and by the vehicle picker (FromPicker), whose list it refreshes and moves
// to the saved plate. The plate of an existing vehicle cannot be changed here.
class VehicleEditor : public EditorDialog {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("车辆信息档案");
    static inline const QString EmptyPlateMessage = QStringLiteral("当前车牌号不能为空！");
    static inline const QString DuplicatePlateMessage = QStringLiteral("车牌号重复，请检查输入！");

    explicit VehicleEditor(QWidget *parent = nullptr);

    bool FromPicker = false;

    PictureSlot *picture(int slot) const;

protected:
    void fillLists() override;
    void afterLoad(bool change) override;
    void moveToSaved(DataSet &source, qint64 id) override;
    bool keepsOpenForNext() const override;
    void showEvent(QShowEvent *event) override;

private:
    bool plateIsFree() const;
    QWidget *buildInputs();
    QWidget *buildPictures();
    QWidget *buildCustomFields();
    void setTabOrder();

    PicturePages *m_pictures = nullptr;
    QList<QLabel *> m_customLabels;
};
