// Times the results window's bulk list operations on a shown window, at two
// list lengths (100,000 and 200,000 entries unless told otherwise):
// - add: a worker thread publishes every entry with one blocking queued call
//   to the user-interface thread, as the scan engine does;
// - sort: the end of the scan orders the identical-files list;
// - prune: half the entries are lone ones, removed in one pass;
// - remove checked: "Delete from the list" with every third entry checked.
// Each figure is the best of three runs. At twice the length each should
// cost about twice as much; the last line gives the ratios.
//
// Usage: results_bench [smaller length]

#include "results/deletionform.h"
#include "results/resultsform.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

struct Timings {
    double add = 1e300;
    double sort = 1e300;
    double prune = 1e300;
    double removeChecked = 1e300;
    double Total() const { return add + sort + prune + removeChecked; }
};

// Runs step, lets the views catch up, and returns the milliseconds taken.
template <typename Step>
double Timed(Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Groups of one, one and two members in turn, sizes rising with the group
// as the engine publishes them; each entry crosses to the window's thread.
void PublishFromWorker(TfrmResults& window, int length)
{
    QTreeView* list = window.lstResultsC();
    QThread* worker = QThread::create([&window, list, length] {
        for (int i = 0, group = 0; i < length; ++group) {
            const int members = group % 3 == 2 ? 2 : 1;
            for (int member = 0; member < members && i < length; ++member, ++i) {
                const QByteArray path
                    = "/data/folder" + QByteArray::number(group % 97) + "/file" + QByteArray::number(i);
                const std::uint64_t size = 1000 + static_cast<std::uint64_t>(group) * 7;
                QMetaObject::invokeMethod(
                    &window, [&window, list, path, member, size] { window.AddResultEntry(list, path, member > 0, size); },
                    Qt::BlockingQueuedConnection);
            }
        }
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    window.ModelOf(list).AnnouncePending();
}

Timings RunOnce(int length)
{
    TfrmDeletion deletion;
    TfrmResults window(deletion);
    window.findChild<QCheckBox*>(QStringLiteral("cbSC"))->setChecked(false);
    window.show();
    QCoreApplication::processEvents();

    Timings timings;
    timings.add = Timed([&] { PublishFromWorker(window, length); });
    timings.sort = Timed([&] { window.ScanFinished(); });
    timings.prune = Timed([&] { window.PruneSingletons(); });
    ResultListModel& model = window.ModelOf(window.lstResultsC());
    for (int row = 0; row < model.Count(); row += 3)
        model.SetChecked(row, true);
    timings.removeChecked = Timed([&] { window.cmdDeleteSelectedFromListClick(); });
    return timings;
}

Timings Best(int length, int runs)
{
    Timings best;
    for (int run = 0; run < runs; ++run) {
        const Timings t = RunOnce(length);
        best.add = std::min(best.add, t.add);
        best.sort = std::min(best.sort, t.sort);
        best.prune = std::min(best.prune, t.prune);
        best.removeChecked = std::min(best.removeChecked, t.removeChecked);
    }
    std::printf("%8d entries: add %8.1f ms, sort %6.1f ms, prune %6.1f ms, remove checked %6.1f ms, total %8.1f ms\n",
                length, best.add, best.sort, best.prune, best.removeChecked, best.Total());
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const int smaller = argc > 1 ? std::atoi(argv[1]) : 100'000;

    RunOnce(smaller / 10);  // warm-up
    const Timings small = Best(smaller, 3);
    const Timings large = Best(smaller * 2, 3);
    std::printf("ratios at twice the length: add %.2f, sort %.2f, prune %.2f, remove checked %.2f, total %.2f\n",
                large.add / small.add, large.sort / small.sort, large.prune / small.prune,
                large.removeChecked / small.removeChecked, large.Total() / small.Total());
    return 0;
}
