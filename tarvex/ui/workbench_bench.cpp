// The workbench as a user meets it: start-up until the main window is first
// painted, and a model run of 20 cohorts over 1000 years until the results
// chart is painted again. Run without a display (QT_QPA_PLATFORM=offscreen is
// the default here) or under an X server with QT_QPA_PLATFORM=xcb.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/testing/window_fixture.h"

namespace tarvex::testing {
namespace {

void FirstWindow(benchmark::State& state) {
  RecordingDialogs dialogs;
  for (auto _ : state) {
    auto window = StartWindow(dialogs);
    if (Paint(*window).isNull()) state.SkipWithError("the window was not painted");
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(FirstWindow)->Unit(benchmark::kMillisecond);

void RunAndReplot(benchmark::State& state) {
  const TestFolder folder;
  RecordingDialogs dialogs;
  auto window = StartWindow(dialogs);
  window->Timer1Timer();
  dialogs.files.push_back(QString::fromStdString(WriteFullScenario(folder, window->Defaults())));
  window->Open1Click();
  window->PageControl1->setCurrentWidget(window->TabSheetResults);
  Paint(*window);
  if (window->PageControl1->currentWidget() != window->TabSheetResults) {
    state.SkipWithError(qPrintable(dialogs.messages.join("; ")));
  }
  for (auto _ : state) {
    if (!window->RunModel()) state.SkipWithError("the run failed");
    if (Paint(*window->Chart1).isNull()) state.SkipWithError("the chart was not painted");
  }
}
BENCHMARK(RunAndReplot)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvex::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tarvex::testing::UseTestSettings();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
