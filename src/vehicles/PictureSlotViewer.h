#pragma once

class PictureSlot;
class QWidget;

// 载入图片 (and the double click) of the editors that keep pictures: the slot's picture goes to
// the image viewer; a different path that comes back is loaded into the slot, an empty one
// clears it, the unchanged one leaves it. A file the slot cannot take is reported.
void choosePictureThroughViewer(QWidget *owner, PictureSlot *slot);
