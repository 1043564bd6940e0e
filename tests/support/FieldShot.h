#pragma once
#include <QImage>

// What the field shows, bed by bed, read in one go: the field picture as its paint event draws it,
// without the robot and tractor icons standing on it. Much faster than reading pixel by pixel, so a
// test can look at every bed after every event.
class FieldShot {
public:
    FieldShot();
    enum class Bed { Empty, Picture, Flagged, Other };
    // How the bed shows sign: its picture whole, or picked: with the pick's ring over its rim and the
    // flag of that sign over its lower-right quarter. Empty only when the whole picture area shows the field's background.
    Bed bed(int col, int row, int sign) const;

private:
    bool matches(int x, int y, const QImage& sheet, int sx, int sy, int w, int h) const;
    QImage field_;
    QImage pictures_;    // the picture strip
    QImage flagged_;     // the picture strip as picks show it
    QImage background_;  // one empty bed
};
