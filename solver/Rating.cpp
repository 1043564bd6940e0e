#include "solver/Rating.h"

#include <cstdlib>

#include "core/Rnd.h"
#include "solver/Occupancy.h"
#include "solver/PictureSet.h"
#include "solver/Pictures.h"

namespace {
// Two pictures of one kind, by bed number, the first before the second.
struct Candidate {
    int first;
    int second;
    bool touching;  // side by side: joined without a free bed beside them
};

class RandomHarvest {
public:
    explicit RandomHarvest(const FieldGrid& field) : field_(field) {
        const std::vector<Picture> pictures = picturesOf(field);
        // Pictures come in row-major order, so the candidates do too, as joinablePairs lists them.
        for (size_t i = 0; i < pictures.size(); ++i) {
            all_.set(PictureSet::bed(pictures[i].col, pictures[i].row));
            for (size_t j = i + 1; j < pictures.size(); ++j)
                if (pictures[i].kind == pictures[j].kind)
                    candidates_.push_back({PictureSet::bed(pictures[i].col, pictures[i].row),
                                           PictureSet::bed(pictures[j].col, pictures[j].row),
                                           neighbours(pictures[i], pictures[j])});
        }
        pairs_ = int(pictures.size() / 2);
    }

    int pairs() const { return pairs_; }

    // The pairs one random order harvests.
    int play(Rnd& generator) const {
        Occupancy beds(field_);
        PictureSet left = all_;
        // Freeing beds only ever opens routes: a pair once joinable stays so while both stand.
        std::vector<char> open(candidates_.size(), 0);
        std::vector<size_t> joinable;
        for (int harvested = 0;; ++harvested) {
            const PictureSet exits = beds.besideFreeBeds();
            joinable.clear();
            for (size_t c = 0; c < candidates_.size(); ++c) {
                const Candidate& pair = candidates_[c];
                if (!left.test(pair.first) || !left.test(pair.second))
                    continue;
                if (!open[c])
                    open[c] = (pair.touching || (exits.test(pair.first) && exits.test(pair.second))) &&
                              beds.joined(pair.first, pair.second);
                if (open[c])
                    joinable.push_back(c);
            }
            if (joinable.empty())
                return harvested;
            const Candidate& taken = candidates_[joinable[size_t(generator.below(int32_t(joinable.size())))]];
            for (int bed : {taken.first, taken.second}) {
                left.reset(bed);
                beds.free(bed);
            }
        }
    }

private:
    const FieldGrid& field_;
    PictureSet all_;
    std::vector<Candidate> candidates_;
    int pairs_ = 0;
};
}  // namespace

double Rating::share() const { return orders == 0 ? 0.0 : double(endedAfter[size_t(pairs)]) / orders; }

int Rating::deadEnds() const { return orders - endedAfter[size_t(pairs)]; }

double Rating::meanPairsBeforeDeadEnd() const {
    long harvested = 0;
    for (int k = 0; k < pairs; ++k)
        harvested += long(k) * endedAfter[size_t(k)];
    return deadEnds() == 0 ? 0.0 : double(harvested) / deadEnds();
}

int Rating::deadEndsLikelyAfter() const {
    int playing = orders;
    for (int k = 0; k < pairs; ++k) {
        if (endedAfter[size_t(k)] > 0 && endedAfter[size_t(k)] * 10 >= playing)
            return k;
        playing -= endedAfter[size_t(k)];
    }
    return -1;
}

Rating rateField(const FieldGrid& field, int orders, int32_t seed) {
    const RandomHarvest harvest(field);
    Rating rating{harvest.pairs(), orders, std::vector<int>(size_t(harvest.pairs()) + 1, 0)};
    Rnd generator;
    generator.restart(seed);
    for (int order = 0; order < orders; ++order)
        ++rating.endedAfter[size_t(harvest.play(generator))];
    return rating;
}
