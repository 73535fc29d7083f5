#include "agent/FreePlace.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <vector>

namespace {

// A rectangle as its edges, the right and bottom ones outside it.
struct Box {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    explicit Box(const QRect& r)
        : x1(r.left())
        , y1(r.top())
        , x2(r.left() + r.width())
        , y2(r.top() + r.height()) {}
    Box(int x, int y, QSize size)
        : x1(x)
        , y1(y)
        , x2(x + size.width())
        , y2(y + size.height()) {}
    bool Empty() const { return x2 <= x1 || y2 <= y1; }
    long long Overlap(const Box& o) const {
        const long long w = std::min(x2, o.x2) - std::max(x1, o.x1);
        const long long h = std::min(y2, o.y2) - std::max(y1, o.y1);
        return w > 0 && h > 0 ? w * h : 0;
    }
    bool Contains(const Box& o) const { return o.x1 >= x1 && o.y1 >= y1 && o.x2 <= x2 && o.y2 <= y2; }
};

std::vector<Box> boxes(const QList<QRect>& rects) {
    std::vector<Box> out;
    for (const QRect& r : rects)
        if (Box b(r); !b.Empty()) out.push_back(b);
    return out;
}

// The corners worth trying along one axis: the wish itself and every place where the figure's edge
// meets the edge of something, kept within [low, high].
std::vector<int> stops(int wish, int low, int high, int length,
                       const std::vector<std::pair<int, int>>& edges) {
    std::vector<int> out{wish, low, high};
    for (const auto& [from, to] : edges)
        out.insert(out.end(), {from - length, from, to - length, to});
    for (int& v : out)
        v = std::clamp(v, low, high);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace

QPoint FreePlace::Choose(const Ground& ground, QSize figure, QPoint wish) {
    const Box work(ground.WorkArea);
    if (work.Empty() || figure.isEmpty()) return wish;
    const std::vector<Box> avoid = boxes(ground.Avoid);
    const std::vector<Box> preferred = boxes(ground.Preferred);
    const Box window(ground.Window);
    const int w = figure.width(), h = figure.height();

    std::vector<std::pair<int, int>> xs, ys;
    auto edgesOf = [&](const Box& b) {
        xs.emplace_back(b.x1, b.x2);
        ys.emplace_back(b.y1, b.y2);
    };
    std::for_each(avoid.begin(), avoid.end(), edgesOf);
    std::for_each(preferred.begin(), preferred.end(), edgesOf);
    if (!window.Empty()) edgesOf(window);
    const std::vector<int> left = stops(wish.x(), work.x1, std::max(work.x1, work.x2 - w), w, xs);
    const std::vector<int> top = stops(wish.y(), work.y1, std::max(work.y1, work.y2 - h), h, ys);

    // Lower is better, in this order: controls covered, the kind of place, how little of it is on
    // the free surface, how far from the wish.
    using Rank = std::tuple<long long, int, long long, long long>;
    Rank best{std::numeric_limits<long long>::max(), 0, 0, 0};
    QPoint chosen = wish;
    for (int x : left) {
        for (int y : top) {
            const Box place(x, y, figure);
            long long covered = 0;
            for (const Box& b : avoid)
                covered += place.Overlap(b);
            long long onSurface = 0;
            bool wholly = false;
            for (const Box& b : preferred) {
                onSurface += place.Overlap(b);
                wholly = wholly || b.Contains(place);
            }
            const bool offWindow = window.Empty() || window.Overlap(place) == 0;
            const int kind = wholly ? 0 : offWindow ? 1 : 2;
            const long long dx = x - wish.x(), dy = y - wish.y();
            const Rank rank{covered, kind, kind == 2 ? -onSurface : 0, dx * dx + dy * dy};
            if (rank < best) {
                best = rank;
                chosen = QPoint(x, y);
            }
        }
    }
    return chosen;
}

bool FreePlace::IsFree(const Ground& ground, const QRect& figure) {
    const Box place(figure);
    if (const Box work(ground.WorkArea); !work.Empty() && !work.Contains(place)) return false;
    for (const Box& b : boxes(ground.Avoid))
        if (b.Overlap(place) > 0) return false;
    for (const Box& b : boxes(ground.Preferred))
        if (b.Contains(place)) return true;
    const Box window(ground.Window);
    return window.Empty() || window.Overlap(place) == 0;
}
