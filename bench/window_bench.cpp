// SPDX-License-Identifier: GPL-3.0-or-later
// The full table as the window shows it: a request to the table filled
// (conjugating, laying out, making the cells, sizing the columns), and the
// table window shown after the main window's Ctrl+T. Runs on Qt's offscreen
// platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableWidget>
#include <array>

#include "ui/fonts.h"
#include "ui/full_table_window.h"
#include "ui/main_window.h"
#include "ui/object_names.h"
#include "ui/program.h"

namespace flexoria::ui {
namespace {

void BM_FullTableFilled(benchmark::State& bench) {
  FullTableWindow window;
  window.show();
  // A strong verb, a pronominal one, a regular one: every request a new verb.
  const std::array verbs{QStringLiteral("tener"), QStringLiteral("lavarse"),
                         QStringLiteral("hablar")};
  std::size_t next = 0;
  for (auto _ : bench) {
    window.ShowVerb(verbs[next]);
    next = (next + 1) % verbs.size();
    benchmark::DoNotOptimize(window.grid().cells.data());
  }
  bench.SetItemsProcessed(bench.iterations());
}

// From the menu item that Ctrl+T triggers to the window on screen, filled
// with the main window's verb; first opening (the window is made) or later
// ones (it is shown again).
void BM_FullTableShown(benchmark::State& bench) {
  const bool first_opening = bench.range(0) == 0;
  Program program;
  MainWindow& main = program.ShowMainWindow();
  main.findChild<QLineEdit*>(QLatin1String(names::kEntry))->setText(QStringLiteral("tener"));
  auto* item = main.findChild<QAction*>(QLatin1String(names::kFullTableItem));
  QElapsedTimer clock;
  for (auto _ : bench) {
    if (first_opening) delete program.full_table_window();
    if (FullTableWindow* shown = program.full_table_window()) shown->hide();
    QApplication::processEvents();
    clock.start();
    item->trigger();
    QApplication::processEvents();
    bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (!program.full_table_window()->isVisible()) bench.SkipWithError("the table is not shown");
  }
}

BENCHMARK(BM_FullTableFilled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullTableShown)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace flexoria::ui

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  flexoria::ui::InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
