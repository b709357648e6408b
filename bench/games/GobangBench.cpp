// The time the computer takes to answer a move in Gobang, on middle-game positions of
// about 40 stones where Senior has to look ahead (the combined choice is not clear-cut).
// Prints the median and the worst of 100 replies for each level.
#include "games/gobang/GobangAi.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// The board seen from the other side: black and white change places.
GobangBoard swapped(const GobangBoard& board)
{
    GobangBoard out;
    for (int r = 1; r <= Gobang::Size; ++r)
        for (int c = 1; c <= Gobang::Size; ++c)
            if (const int v = board.at(r, c); v != Gobang::Empty)
                out.set({r, c}, v == Gobang::Player ? Gobang::Computer : Gobang::Player);
    return out;
}

// Plays Senior against a player who answers as Junior would for black, now and then with a
// random stone near the middle instead, and keeps the positions of `stones` stones (black
// just moved, white to answer) where Senior will look ahead.
std::vector<GobangBoard> middleGames(int wanted, int stones)
{
    std::vector<GobangBoard> found;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> near(6, 14);
    std::uniform_int_distribution<int> percent(0, 99);
    while (int(found.size()) < wanted) {
        GobangBoard board;
        for (int placed = 0; placed < stones;) {
            GobangCell cell;
            if (placed == 0 || percent(rng) < 25) {
                do
                    cell = {near(rng), near(rng)};
                while (board.at(cell) != Gobang::Empty);
            } else {
                cell = GobangAi::juniorMove(swapped(board));
            }
            board.set(cell, Gobang::Player);
            if (board.makesFive(cell))
                break;
            if (++placed >= stones) {
                const GobangAi::Choice c = GobangAi::combinedChoice(board);
                if (c.value > 20 && c.value < 1000)
                    found.push_back(board);
                break;
            }
            const GobangCell reply = GobangAi::seniorMove(board);
            board.set(reply, Gobang::Computer);
            ++placed;
            if (board.makesFive(reply))
                break;
        }
    }
    return found;
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Wall time is what the player waits; the thread's CPU time is the work alone, without the
// time other programs took the processor away.
void measure(const char* name, const std::vector<GobangBoard>& positions, GobangAi::Level level)
{
    std::vector<double> wall, cpu;
    unsigned checksum = 0;
    for (int i = 0; i < 100; ++i) {
        const GobangBoard& board = positions[size_t(i) % positions.size()];
        const double cpuStart = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        const GobangCell cell = GobangAi::computerMove(board, level);
        const auto end = std::chrono::steady_clock::now();
        cpu.push_back(threadCpuMs() - cpuStart);
        checksum += unsigned(cell.row * 20 + cell.column);
        wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-8s  wall: median %7.3f ms, worst %7.3f ms   cpu: median %7.3f ms, worst %7.3f ms   (checksum %u)\n",
                name, (wall[49] + wall[50]) / 2, wall.back(), (cpu[49] + cpu[50]) / 2, cpu.back(), checksum);
}

} // namespace

int main()
{
    const std::vector<GobangBoard> positions = middleGames(10, 41);
    std::printf("Gobang reply on %zu middle-game positions of 41 stones (Senior looks ahead on each), "
                "100 replies per level\n", positions.size());
    measure("Senior", positions, GobangAi::Level::Senior);
    measure("Junior", positions, GobangAi::Level::Junior);
    return 0;
}
