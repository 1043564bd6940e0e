#include "solver/Traps.h"

#include <algorithm>
#include <vector>

#include "core/Rnd.h"
#include "solver/Clearable.h"

namespace {
using Order = std::vector<BedPairNumbers>;

bool inAny(const std::vector<Order>& orders, const BedPairNumbers& pair) {
    return std::any_of(orders.begin(), orders.end(),
                       [&](const Order& order) { return std::find(order.begin(), order.end(), pair) != order.end(); });
}

struct Step {
    bool trap = false;
    bool approximate = false;
    std::vector<BedPairNumbers> winning;  // the pairs proven to keep the field clearable
};

// A pair joinable now that a winning order harvests later may be harvested first, as harvesting
// only opens routes; and every winning order harvests a kind's last two pictures. So most pairs
// are proven safe by the orders already known, without a search of their own. `orders` gains the
// winning orders found on the way.
Step examine(const HarvestPosition& position, std::vector<Order>& orders) {
    Step step;
    for (const BedPairNumbers& pair : position.joinable()) {
        if (position.leftOfKind(position.kindAt(pair.first)) == 2 || inAny(orders, pair)) {
            step.winning.push_back(pair);
            continue;
        }
        Clearable answer = clearable(position.after(pair));
        if (answer.verdict == Verdict::Harvestable) {
            step.winning.push_back(pair);
            answer.order.insert(answer.order.begin(), pair);
            orders.push_back(std::move(answer.order));
        } else {
            step.trap = step.trap || answer.verdict == Verdict::NotHarvestable;
            step.approximate = step.approximate || answer.verdict == Verdict::Undecided;
        }
    }
    return step;
}

// The winning orders of the position after `taken`: those that harvest it, without it.
std::vector<Order> ordersAfter(const std::vector<Order>& orders, const BedPairNumbers& taken) {
    std::vector<Order> after;
    for (const Order& order : orders)
        if (const auto at = std::find(order.begin(), order.end(), taken); at != order.end()) {
            after.push_back(order);
            after.back().erase(after.back().begin() + (at - order.begin()));
        }
    return after;
}
}  // namespace

TrapDensity trapDensity(const FieldGrid& field, int32_t seed) {
    Rnd generator;
    generator.restart(seed);
    TrapDensity result;
    int steps = 0;
    int traps = 0;
    for (int order = 0; order < kTrapOrders; ++order) {
        HarvestPosition position(field);
        std::vector<Order> orders{clearable(position).order};
        while (!position.cleared()) {
            const Step step = examine(position, orders);
            ++steps;
            traps += step.trap ? 1 : 0;
            result.approximate = result.approximate || step.approximate;
            if (step.winning.empty())
                break;  // only when the solver gave up on every pair
            const BedPairNumbers taken = step.winning[size_t(generator.below(int32_t(step.winning.size())))];
            position.harvest(taken);
            orders = ordersAfter(orders, taken);
        }
    }
    result.share = steps == 0 ? 0.0 : double(traps) / steps;
    return result;
}
