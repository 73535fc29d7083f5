#pragma once

#include <QHash>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <sys/types.h>

namespace bench {

// How long a program stays idle after the last page has loaded before its memory is read.
constexpr int kSettleMs = 300;
// How long the tabs comparison lets a freshly shown window calm down before it opens pages.
constexpr int kIdleBeforeTabsMs = 1000;

// The memory of a process and all its descendants (the engine's helper processes hang below the
// program, some of them through the zygote).
struct TreeMemory {
    qint64 kib = 0;
    bool pss = true; // false when some process only told its resident size
    // Pages no other process maps. Unlike the PSS it does not shrink when unrelated programs on the
    // machine load the same libraries; -1 when some process did not tell it.
    qint64 privateKib = 0;
    int processes = 0; // how many processes were counted
};

// One process's figures in KiB from /proc/<pid>/smaps_rollup; each -1 when unknown. The resident
// size comes from /proc/<pid>/status and stands in for the PSS where smaps_rollup cannot be read.
struct ProcessMemory {
    qint64 pss = -1;
    qint64 privateKib = -1;
    qint64 rss = -1;
};

// The pid and every descendant of it, found through the parent ids in /proc/<pid>/stat.
QList<pid_t> ProcessTree(pid_t root);
ProcessMemory ReadProcessMemory(pid_t pid);

// The processor time (user and system, in seconds) each process of the tree has used so far.
QHash<pid_t, double> TreeCpuSeconds(pid_t root);
// What the processes used between two readings; a process born in between counts from zero.
double CpuSecondsBetween(const QHash<pid_t, double>& before, const QHash<pid_t, double>& after);

// A process as seen at one moment. The start time keeps a reused pid from being taken for it.
struct ProcessStamp {
    pid_t pid = 0;
    unsigned long long started = 0;
};
QList<ProcessStamp> StampProcesses(const QList<pid_t>& pids);
// Gives the processes of a finished run (the engine's helpers follow their parent out on their own)
// up to graceMs to leave, then kills those still there, so they cannot weigh on the next run.
void EndLeftovers(const QList<ProcessStamp>& processes, int graceMs = 3000);
TreeMemory TreeMemoryOf(pid_t root);

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    int count = 0;
};
Summary Summarise(QList<double> values);

// An environment for one run: a fresh home with its own config and data folders, and, for root,
// no engine sandbox (it refuses to run as root).
QProcessEnvironment RunEnvironment(const QString& home);
// Points this process at a fresh home before any Qt path lookup happens.
void UseHome(const QString& home);

// One row of a result table: the program's figure beside the floor's.
struct Figure {
    QString name;
    Summary program;
    Summary floor;
    int decimals = 0;
};
// Prints "median [min - max]" for both sides and the ratio of the medians.
void PrintFigures(const QList<Figure>& figures);

// Memory readings of one side over several runs.
struct MemorySeries {
    QList<double> totalMiB;
    QList<double> privateMiB; // only the runs that told it
    bool pss = true;
    int processes = 0; // in the last run
    void Add(const TreeMemory& memory);
};
// The memory rows of a result table.
QList<Figure> MemoryFigures(const MemorySeries& program, const MemorySeries& floor);
// "memory 273.2 MiB PSS, 120.4 private, in 4 processes" for the line of one run.
QString DescribeMemory(const TreeMemory& memory);

// "tabs: opened <ms> memory <KiB> <pss|rss> private <KiB> processes <n>", written by both sides of the tabs
// comparison so the driver reads them the same way.
struct TabsResult {
    qint64 openedMs = -1;
    TreeMemory memory;
};
QString FormatTabsLine(const TabsResult& result);
bool ParseTabsLine(const QString& line, TabsResult* result);

// The programs under test draw on the current X display; without one, a private Xvfb is started
// and stopped again when this object goes.
class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Leaves DISPLAY alone when set; otherwise starts Xvfb and sets DISPLAY for this process and
    // its children. False, with the reason on stderr, when no display could be had.
    bool Ensure();
    QString Display() const;

private:
    pid_t server_ = 0;
};

// The processor time of a program's whole process tree over `seconds`, once its start page has
// loaded and it has settled. The browser (`browser` true) opens the page as its start page with the
// settings given; the floor takes it as its argument.
struct IdleRun {
    bool ok = false;
    double cpuPercent = 0; // of one core
    int processes = 0;
    QString problem;
};
// The reading starts settleMs after the program printed startAfter ("bench: loaded", or "bench:
// character idle" once the character has said all it had to say).
IdleRun RunIdle(const QString& program, const QString& page, bool browser, int seconds,
                const QHash<QString, QString>& settings = {}, int settleMs = 3000,
                const QByteArray& startAfter = "bench: loaded");

} // namespace bench
