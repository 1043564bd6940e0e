#include "support/GameFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Main.h"
#include "editor/History.h"
#include "players/PlayersState.h"
#include "ui/Controls.h"
#include "ui/Forma.h"
#include "ui/Modal.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"
#include "ui/frmForma.h"

GameFixture::GameFixture(bool manualTicks) {
    resetState();
    Timer::setManualTicks(manualTicks);
    QDir(dir_.path()).mkpath(QStringLiteral("Pole"));
    QDir(dir_.path()).mkpath(QStringLiteral("Photo"));
    setMessageResponder([this](const Message& message) {
        messages.push_back(message);
        if (message.buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        if (answers_.empty()) {
            unexpectedQuestion = true;
            return MsgAnswer::No;  // never opens a window the test does not expect
        }
        const MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

GameFixture::~GameFixture() {
    destroyFrmForma();
    setMessageResponder(nullptr);
    setModalHook(nullptr);
}

void GameFixture::start() {
    Main(dir_.path());
    QApplication::setActiveWindow(&window());
}

void GameFixture::restart() {
    destroyFrmForma();
    resetState();
    start();
}

void GameFixture::writeFile(const QString& relativePath, const QByteArray& bytes) const {
    QFile file(folder() + relativePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray GameFixture::readFile(const QString& relativePath) const {
    QFile file(folder() + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList GameFixture::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}

frmForma& GameFixture::window() const { return *frmForma::instance(); }

PictureBox& GameFixture::box(const char* name) const {
    Forma& f = forma();
    const std::pair<const char*, Surface*> boxes[] = {
        {"picPole", &f.picPole}, {"picMenu", &f.picMenu}, {"picKnMenu", &f.picKnMenu}, {"picExit", &f.picExit},
        {"picKG", &f.picKG}, {"picUroven", &f.picUroven}, {"picAkamulyator", &f.picAkamulyator},
        {"picZnaki", &f.picZnaki}, {"picOtmenit", &f.picOtmenit}, {"picPovtorit", &f.picPovtorit},
        {"picPeresadka", &f.picPeresadka}, {"picShowZnak", &f.picShowZnak}};
    for (const auto& [boxName, surface] : boxes)
        if (qstrcmp(boxName, name) == 0)
            return *surface->box();
    qFatal("no picture box %s", name);
}

void layOutForPlay(std::initializer_list<std::array<int, 3>> cells) {
    std::vector<CellRecord> records;
    for (const auto& [col, row, sign] : cells)
        records.push_back({col, row, sign});
    G.GameMode = Mode::Playing;
    G.NoTractor = 1;
    G.ShuffleKinds = 0;
    G.BatteryCharge = kBatteryCapacity;
    ShowPole(records, kForPlay);
}
