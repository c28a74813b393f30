#pragma once
#include "db/RecordKinds.h"
#include "forms/EditorDialog.h"

class DataSet;
class PictureSlot;
class QLineEdit;
class PicturePages;
class QToolButton;

// TfrmCL..InfoEdit: the editor of one record kind (every kind the same editor, built from its
// row of RecordKinds). The vehicle is picked (VehicleId and the plate) or typed (the plate only);
// opened from the vehicle archive, a new record belongs to the archive's current vehicle.
class RecordEditor : public EditorDialog {
    Q_OBJECT
public:
    RecordEditor(const RecordKind &kind, QWidget *parent = nullptr);

    const RecordKind &kind() const { return m_kind; }

    // UseArchiveSource: opened from the vehicle archive, whose current vehicle (in `vehicles`)
    // a new record belongs to.
    void UseArchiveSource(bool fromArchive, DataSet *vehicles = nullptr);
    bool FromArchive = false;
    qint64 VehicleId = 0;

    // sbSPcodeClick: the vehicle picker; a confirmed vehicle sets VehicleId and the plate.
    void sbSPcodeClick();
    // The accident editor's pictures (nullptr for the other kinds).
    PictureSlot *picture(int slot) const;

protected:
    void fillLists() override;
    void afterLoad(bool change) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPage(int page, QWidget *parent);
    QWidget *buildPicturePage(QWidget *parent);

    const RecordKind &m_kind;
    DataSet *m_vehicles = nullptr;
    QLineEdit *edtCPcode;
    QToolButton *sbSPcode;
    PicturePages *m_pictures = nullptr;
};
