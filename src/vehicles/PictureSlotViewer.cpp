#include "PictureSlotViewer.h"

#include "ImageViewer.h"

#include "app/Messages.h"
#include "app/WindowPlacement.h"
#include "forms/PictureSlot.h"

void choosePictureThroughViewer(QWidget *owner, PictureSlot *slot)
{
    if (!slot)
        return;
    ImageViewer viewer(owner);
    if (!slot->path().trimmed().isEmpty())
        viewer.setPictureBytes(slot->bytes());
    DispFormPos(&viewer, 0);
    const QString chosen = viewer.ShowPicture(slot->path());
    if (chosen == slot->path())
        return;
    if (chosen.isEmpty()) {
        slot->clearPicture();
        return;
    }
    QString error;
    if (!slot->loadFile(chosen, &error))
        ShowMess(owner, error, 3);
}
