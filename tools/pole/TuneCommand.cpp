#include <QFile>
#include <algorithm>

#include "tools/pole/BundledFields.h"
#include "tools/pole/Commands.h"
#include "tools/pole/FieldSource.h"
#include "solver/ModelPlayers.h"
#include "solver/Rating.h"

namespace {
constexpr auto kSecondsPerSowing = std::chrono::seconds(10);  // as `make` allows
constexpr int kTuneGames = 200;
constexpr int kTuneOrders = 300;
constexpr int kDrawnKinds = 8;

// A drawing not yet in the campaign: ten lines of sixteen beds as a design draws them.
std::optional<FieldDesign> drawnDesign(const QString& path) {
    static std::vector<QByteArray> lines;  // the design's rows point into them
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> rows = file.readAll().trimmed().split('\n');
    if (rows.size() != kRows || std::any_of(rows.begin(), rows.end(), [](const QByteArray& row) { return row.trimmed().size() != kCols; }))
        return std::nullopt;
    FieldDesign design{"drawn", kDrawnKinds, 0, 1, {}};
    lines.clear();
    for (const QByteArray& row : rows)
        lines.push_back(row.trimmed());
    for (int row = 0; row < kRows; ++row)
        design.beds[size_t(row)] = lines[size_t(row)].constData();
    return design;
}

std::optional<FieldDesign> designNamed(const QString& name) {
    if (name.endsWith(QLatin1String(".txt")))
        return drawnDesign(name);
    const std::vector<FieldDesign>& designs = bundledDesigns();
    const auto found = std::find_if(designs.begin(), designs.end(), [&](const FieldDesign& design) {
        return design.fileName() == name || design.fileName() == name + QLatin1String(".tvk");
    });
    return found == designs.end() ? std::nullopt : std::optional<FieldDesign>(*found);
}
}  // namespace

// A bundled design sown from a run of seeds, each with the figures a field is placed by: the share
// of random orders that clear it and each model player's share and median gap. A designer picks
// the seed whose figures fit the design's place in the campaign.
int tuneCommand(const QStringList& arguments, Console& console) {
    bool firstOk = false, countOk = false;
    std::optional<FieldDesign> design = arguments.size() >= 3 ? designNamed(arguments[0]) : std::nullopt;
    const int first = arguments.value(1).toInt(&firstOk);
    const int count = arguments.value(2).toInt(&countOk);
    QStringList rest = arguments.mid(3);
    const bool scattered = rest.removeAll(QStringLiteral("--scattered")) > 0;
    const std::optional<QMap<QString, int>> options = numberOptions(rest, {"--kinds", "--games"});
    const int games = options ? options->value(QStringLiteral("--games"), kTuneGames) : 0;
    if (!design || !firstOk || !countOk || games <= 0) {
        console.err << "usage: kelvary-pole tune DESIGN FIRST-SEED COUNT [--kinds K] [--games N] [--scattered]\n";
        return kExitUsage;
    }
    design->kinds = options->value(QStringLiteral("--kinds"), design->kinds);
    if (scattered)
        design->sowing = Sowing::Scattered;
    console.out << "seed pairs random";
    for (ModelPlayer player : kModelPlayers)
        console.out << ' ' << modelPlayerName(player) << " gap";
    console.out << "  (" << kTuneOrders << " orders, " << games << " games)\n";
    for (int seed = first; seed < first + count; ++seed) {
        design->seed = seed;
        const std::optional<SownField> sown = sowHarvestable(*design, kSecondsPerSowing);
        if (!sown)
            continue;
        const FieldGrid field = gridOf(sown->records);
        console.out << seed << ' ' << sown->proof.pairs << ' ' << QString::number(rateField(field, kTuneOrders, 1).share(), 'f', 2);
        // Most sowings hold no trap the tidy player falls into; the careful players then seldom
        // lose either and are not worth the wait ("-"): `grade` gives every figure.
        bool tidyWinsAll = false;
        for (ModelPlayer player : kModelPlayers) {
            if (tidyWinsAll && (player == ModelPlayer::Careful2 || player == ModelPlayer::Careful4)) {
                console.out << " - -";
                continue;
            }
            const ModelFigures figures = playModelGames(field, player, games, 1);
            tidyWinsAll = tidyWinsAll || (player == ModelPlayer::Tidy && figures.share == 1);
            console.out << ' ' << QString::number(figures.share, 'f', 2) << ' ' << QString::number(figures.medianGap, 'f', 1);
        }
        console.out << Qt::endl;
    }
    return kExitHarvestable;
}
