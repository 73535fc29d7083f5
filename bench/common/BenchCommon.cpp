#include "common/BenchCommon.h"

#include <QProcess>

#include <QUrl>

#include <QTimer>

#include <QTemporaryDir>

#include <QSettings>

#include <QEventLoop>

#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <initializer_list>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

namespace {
struct StatFields {
    char state = 0;
    pid_t parent = -1;
    unsigned long long started = 0;  // clock ticks after boot
    unsigned long long cpuTicks = 0; // user and system time so far
};

// The fields of /proc/<pid>/stat we use; false when the process has gone. The command name sits in
// parentheses and may itself hold spaces or parentheses, so the fields are counted from the last
// closing one.
bool readStat(const std::string& pid, StatFields* fields) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return false;
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return false;
    // state, parent, 9 fields we skip, user and system time, 6 more, then the start time
    int parent = -1;
    unsigned long long user = 0, system = 0;
    const int read =
        std::sscanf(stat.c_str() + close + 1,
                    " %c %d %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu %llu %*s %*s %*s %*s %*s %*s %llu",
                    &fields->state, &parent, &user, &system, &fields->started);
    fields->parent = parent;
    fields->cpuTicks = user + system;
    return read == 5;
}

// Fills each wanted "Key:" of a /proc file with the KiB on its line; keys not found stay as they were.
void readKibFields(const std::string& path, std::initializer_list<std::pair<std::string, qint64*>> wanted) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        for (const auto& [key, value] : wanted)
            if (line.compare(0, key.size(), key) == 0)
                *value = std::strtoll(line.c_str() + key.size(), nullptr, 10);
    }
}
} // namespace

QList<pid_t> ProcessTree(pid_t root) {
    QHash<pid_t, QList<pid_t>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const pid_t pid = entry.toInt(&numeric);
        if (!numeric) continue;
        StatFields fields;
        if (!readStat(entry.toStdString(), &fields)) continue; // gone meanwhile
        if (fields.parent > 0) children[fields.parent].append(pid);
    }
    QList<pid_t> tree{root};
    for (qsizetype i = 0; i < tree.size(); ++i)
        tree.append(children.value(tree[i]));
    return tree;
}

QHash<pid_t, double> TreeCpuSeconds(pid_t root) {
    QHash<pid_t, double> seconds;
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    for (pid_t pid : ProcessTree(root)) {
        StatFields fields;
        if (readStat(std::to_string(pid), &fields))
            seconds.insert(pid, double(fields.cpuTicks) / ticksPerSecond);
    }
    return seconds;
}

double CpuSecondsBetween(const QHash<pid_t, double>& before, const QHash<pid_t, double>& after) {
    double total = 0;
    for (auto it = after.begin(); it != after.end(); ++it)
        total += it.value() - before.value(it.key(), 0.0);
    return total;
}

ProcessMemory ReadProcessMemory(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid);
    ProcessMemory memory;
    qint64 clean = -1, dirty = -1;
    readKibFields(dir + "/smaps_rollup",
                  {{"Pss:", &memory.pss}, {"Private_Clean:", &clean}, {"Private_Dirty:", &dirty}});
    if (clean >= 0 && dirty >= 0) memory.privateKib = clean + dirty;
    readKibFields(dir + "/status", {{"VmRSS:", &memory.rss}});
    return memory;
}

QList<ProcessStamp> StampProcesses(const QList<pid_t>& pids) {
    QList<ProcessStamp> stamps;
    for (pid_t pid : pids) {
        StatFields fields;
        if (readStat(std::to_string(pid), &fields)) stamps.append({pid, fields.started});
    }
    return stamps;
}

void EndLeftovers(const QList<ProcessStamp>& processes, int graceMs) {
    const auto running = [](const ProcessStamp& p) {
        StatFields fields;
        // A zombie has left already; only its parent has not collected it yet.
        return readStat(std::to_string(p.pid), &fields) && fields.started == p.started && fields.state != 'Z';
    };
    QElapsedTimer waited;
    waited.start();
    for (const ProcessStamp& p : processes) {
        while (running(p) && waited.elapsed() < graceMs)
            QThread::msleep(20);
        if (running(p)) kill(p.pid, SIGKILL);
    }
}

TreeMemory TreeMemoryOf(pid_t root) {
    TreeMemory memory;
    for (pid_t pid : ProcessTree(root)) {
        const ProcessMemory one = ReadProcessMemory(pid);
        if (one.pss < 0 && one.rss < 0) continue; // ended between the listing and the reading
        memory.kib += one.pss >= 0 ? one.pss : one.rss;
        memory.pss = memory.pss && one.pss >= 0;
        if (memory.privateKib >= 0)
            memory.privateKib = one.privateKib >= 0 ? memory.privateKib + one.privateKib : -1;
        ++memory.processes;
    }
    return memory;
}

Summary Summarise(QList<double> values) {
    Summary summary;
    summary.count = int(values.size());
    if (values.isEmpty()) return summary;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    summary.median = values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    summary.min = values.front();
    summary.max = values.back();
    return summary;
}

void PrintFigures(const QList<Figure>& figures) {
    const auto cell = [](const Summary& s, int decimals) {
        if (s.count == 0) return QStringLiteral("no result");
        return QStringLiteral("%1 [%2 - %3]")
            .arg(s.median, 0, 'f', decimals)
            .arg(s.min, 0, 'f', decimals)
            .arg(s.max, 0, 'f', decimals);
    };
    const auto row = [](const QString& a, const QString& b, const QString& c, const QString& d) {
        std::printf("%-26s %-26s %-26s %s\n", qPrintable(a), qPrintable(b), qPrintable(c), qPrintable(d));
    };
    row(QStringLiteral("figure"), QStringLiteral("program"), QStringLiteral("floor"),
        QStringLiteral("program/floor"));
    for (const Figure& f : figures) {
        const bool both = f.program.count > 0 && f.floor.count > 0 && f.floor.median > 0;
        row(f.name, cell(f.program, f.decimals), cell(f.floor, f.decimals),
            both ? QString::number(f.program.median / f.floor.median, 'f', 2) : QStringLiteral("-"));
    }
    std::fflush(stdout);
}

void MemorySeries::Add(const TreeMemory& memory) {
    totalMiB.append(double(memory.kib) / 1024.0);
    if (memory.privateKib >= 0) privateMiB.append(double(memory.privateKib) / 1024.0);
    pss = pss && memory.pss;
    processes = memory.processes;
}

QList<Figure> MemoryFigures(const MemorySeries& program, const MemorySeries& floor) {
    const bool pss = program.pss && floor.pss;
    return {{pss ? QStringLiteral("memory, PSS (MiB)") : QStringLiteral("memory, RSS (MiB)"),
             Summarise(program.totalMiB), Summarise(floor.totalMiB), 1},
            {QStringLiteral("memory, private (MiB)"), Summarise(program.privateMiB),
             Summarise(floor.privateMiB), 1}};
}

QString DescribeMemory(const TreeMemory& memory) {
    return QStringLiteral("memory %1 MiB %2, %3 private, in %4 processes")
        .arg(double(memory.kib) / 1024.0, 0, 'f', 1)
        .arg(memory.pss ? QStringLiteral("PSS") : QStringLiteral("RSS"))
        .arg(memory.privateKib >= 0 ? QString::number(double(memory.privateKib) / 1024.0, 'f', 1)
                                    : QStringLiteral("?"))
        .arg(memory.processes);
}

QProcessEnvironment RunEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    if (geteuid() == 0) env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    return env;
}

QString FormatTabsLine(const TabsResult& result) {
    return QStringLiteral("tabs: opened %1 memory %2 %3 private %4 processes %5")
        .arg(result.openedMs)
        .arg(result.memory.kib)
        .arg(result.memory.pss ? QStringLiteral("pss") : QStringLiteral("rss"))
        .arg(result.memory.privateKib)
        .arg(result.memory.processes);
}

bool ParseTabsLine(const QString& line, TabsResult* result) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^tabs: opened (\d+) memory (\d+) (pss|rss) private (-?\d+) processes (\d+)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch()) return false;
    result->openedMs = match.captured(1).toLongLong();
    result->memory.kib = match.captured(2).toLongLong();
    result->memory.pss = match.captured(3) == QLatin1String("pss");
    result->memory.privateKib = match.captured(4).toLongLong();
    result->memory.processes = match.captured(5).toInt();
    return true;
}

VirtualDisplay::~VirtualDisplay() {
    if (server_ <= 0) return;
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
}

QString VirtualDisplay::Display() const {
    return qEnvironmentVariable("DISPLAY");
}

bool VirtualDisplay::Ensure() {
    if (!qEnvironmentVariable("DISPLAY").isEmpty()) return true;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        return false;
    }
    // Xvfb picks a free display itself and writes its number to this descriptor once it is ready.
    const std::string fd = std::to_string(pipeFds[1]);
    const char* argv[] = {"Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                          "1280x800x24", "-nolisten",  "tcp",      nullptr};
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        close(pipeFds[0]);
        close(pipeFds[1]);
        return false;
    }
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlive the benchmark
        close(pipeFds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        execvp(argv[0], const_cast<char**>(argv));
        _exit(127);
    }
    close(pipeFds[1]);
    server_ = child;

    std::string number;
    pollfd ready{pipeFds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos) {
        const int polled = poll(&ready, 1, 10000);
        if (polled < 0 && errno == EINTR) continue;
        char buffer[16];
        const ssize_t got = polled > 0 ? read(pipeFds[0], buffer, sizeof buffer) : 0;
        if (got <= 0) break;
        number.append(buffer, std::size_t(got));
    }
    close(pipeFds[0]);
    const int display = number.find('\n') == std::string::npos ? -1 : std::atoi(number.c_str());
    if (display < 0) {
        std::fprintf(stderr, "Xvfb did not start (is it installed?)\n");
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
        server_ = 0;
        return false;
    }
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
    return true;
}

IdleRun RunIdle(const QString& program, const QString& page, bool browser, int seconds,
                const QHash<QString, QString>& settings, int settleMs, const QByteArray& startAfter) {
    const int kSettleMs = settleMs;
    IdleRun run;
    QTemporaryDir home;
    // The browser opens the page as its start page; the floor takes it as its argument.
    const QString url = QUrl::fromLocalFile(page).toString();
    QStringList arguments{url};
    if (browser) {
        QSettings(home.filePath(QStringLiteral(".config/Varnholt Software/Glisterwood 97.conf")),
                  QSettings::IniFormat)
            .setValue(QStringLiteral("Startup page"), url);
        QSettings store(home.filePath(QStringLiteral(".config/Varnholt Software/Glisterwood 97.conf")),
                        QSettings::IniFormat);
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            store.setValue(it.key(), it.value());
        arguments.clear();
    }
    QProcessEnvironment env = RunEnvironment(home.path());
    env.insert(QStringLiteral("GLISTERWOOD_BENCH"), QStringLiteral("1"));
    // The character's first words can take a minute; the program stays long enough for them too.
    env.insert(
        QStringLiteral("GLISTERWOOD_BENCH_HOLD_MS"),
        QString::number(kSettleMs + seconds * 1000 + 5000 + (startAfter == "bench: loaded" ? 0 : 120000)));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home.path());
    QEventLoop loop;
    QHash<pid_t, double> before;
    QElapsedTimer span;
    QList<ProcessStamp> tree;
    bool measuring = false;
    QByteArray output;

    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        output += process.readAllStandardOutput();
        if (!output.contains(startAfter) || measuring) return;
        measuring = true;
        QTimer::singleShot(kSettleMs, &loop, [&] {
            const pid_t root = pid_t(process.processId());
            before = TreeCpuSeconds(root);
            span.start();
            QTimer::singleShot(seconds * 1000, &loop, [&, root] {
                const QHash<pid_t, double> after = TreeCpuSeconds(root);
                run.cpuPercent = 100.0 * CpuSecondsBetween(before, after) / (span.elapsed() / 1000.0);
                run.processes = int(after.size());
                run.ok = true;
                tree = StampProcesses(after.keys());
                loop.quit();
            });
        });
    });
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        if (!run.ok) run.problem = QStringLiteral("the program ended before the reading");
        loop.quit();
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        run.problem = QStringLiteral("no page loaded in time");
        loop.quit();
    });
    process.start(program, arguments);
    timeout.start(kSettleMs + seconds * 1000 + 60000 + (startAfter == "bench: loaded" ? 0 : 120000));
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
        process.waitForFinished(3000);
    }
    EndLeftovers(tree);
    return run;
}

} // namespace bench
