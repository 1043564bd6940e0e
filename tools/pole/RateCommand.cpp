#include <optional>

#include "tools/pole/Commands.h"
#include "tools/pole/FieldSource.h"
#include "solver/Rating.h"

namespace {
constexpr int kDefaultOrders = 1000;
constexpr int kMostOrders = 10000000;
constexpr int32_t kDefaultSeed = 1;

struct RateQuestion {
    QString path;
    int orders = kDefaultOrders;
    int32_t seed = kDefaultSeed;
};

// FILE [--orders N] [--seed S], in any order.
std::optional<RateQuestion> parseRateQuestion(const QStringList& arguments) {
    RateQuestion question;
    bool havePath = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool ok = true;
        if (arguments[i] == QLatin1String("--orders") && i + 1 < arguments.size()) {
            question.orders = arguments[++i].toInt(&ok);
        } else if (arguments[i] == QLatin1String("--seed") && i + 1 < arguments.size()) {
            question.seed = arguments[++i].toInt(&ok);
        } else if (!havePath && !arguments[i].startsWith(QLatin1String("--"))) {
            question.path = arguments[i];
            havePath = true;
        } else {
            ok = false;
        }
        if (!ok || question.orders < 1 || question.orders > kMostOrders)
            return std::nullopt;
    }
    return havePath ? std::optional(question) : std::nullopt;
}
}  // namespace

int rateCommand(const QStringList& arguments, Console& console) {
    const std::optional<RateQuestion> question = parseRateQuestion(arguments);
    if (!question) {
        console.err << "usage: kelvary-pole rate FILE [--orders N] [--seed S]\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(question->path, console);
    if (!field)
        return kExitUnreadable;
    const Rating rating = rateField(gridOf(field->records), question->orders, question->seed);
    console.out << rating.pairs << " pairs, " << rating.orders << " random orders\n";
    if (rating.deadEnds() == 0)
        console.out << "no order met a dead end\n";
    else
        console.out << "mean pairs harvested before a dead end: "
                    << QString::number(rating.meanPairsBeforeDeadEnd(), 'f', 1) << " (" << rating.deadEnds()
                    << " orders met one)\n";
    if (const int likely = rating.deadEndsLikelyAfter(); likely >= 0)
        console.out << "dead ends become likely after " << likely
                    << " pairs: one order in ten still playing is stuck there\n";
    console.out << QString::number(rating.share(), 'f', 3) << '\n';
    return kExitHarvestable;
}
