#pragma once
// The controls of the main window frmForma, as the game logic reaches them.
#include "ui/Controls.h"
#include "ui/FileList.h"

struct Forma {
    Surface picPole;          // the field, 576 x 400
    Surface picUroven;        // level panel
    Surface picKG;            // harvest panel
    Surface picAkamulyator;   // battery panel
    Surface picAkamulyator2;  // lamp sheet: lit, spent
    Surface picZnaki;         // the 33 pictures; also the editor's palette strip
    Surface picKG2;           // digits 0..9
    Surface picFlagy;         // 33 flags
    Surface picExit, picExit2;
    Surface picKnMenu, picKnMenu2;
    Surface picMenu;          // the in-window menu panel
    Surface picShowZnak;      // the editor's chosen picture
    Surface picPeresadka, picPeresadka2;
    Surface picOtmenit, picOtmenit2;
    Surface picPovtorit, picPovtorit2;
    Surface picOchki, picKirpich;
    Control selZnak;          // the palette frame
    Control imgRobot, imgRobot2, imgTraktor;
    Label lblNameFile;
    Label banner;             // names the field in play; empty: the motto
    ScrollBar HScroll1;
    Timer TimerRobot, TimerAkamulyator, tmrTrakrtor, tmrPodskazka;
    FileList FilyUrovney{QStringLiteral("*.tvk")};

    void close();  // asks the main window to close, which runs UnloadGame
    bool isOpen() const;  // false once the main window has closed
};

Forma& forma();
