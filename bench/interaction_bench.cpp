// What one user action costs on the offscreen form, end to end: the key or mouse event
// through Qt, the whole cascade of handlers it sets off, and the repaint that brings the
// window up to date. Counters: "handlers", the handler runs one action sets off, and
// "in_step_us", the part of the time until the event has been handled and every view holds
// the new colour (the rest is the repaint Qt defers to the event loop).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <functional>
#include <string>

#include "app/frmkolwe.h"
#include "toolkit/events.h"
#include "toolkit/runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The pointer stands where the benchmark puts it; the other calls do nothing.
struct StillMouse : toolkit::Mlmouse {
  toolkit::PointApi cursor;  // client coordinates: ScreenToClient leaves it as it is
  int32_t GetCursorPos(toolkit::PointApi& point) override {
    point = cursor;
    return 1;
  }
  int32_t ScreenToClient(int32_t, toolkit::PointApi&) override { return 1; }
  int32_t GetDC(int32_t) override { return 1; }
  int32_t ReleaseDC(int32_t, int32_t) override { return 1; }
  int32_t SetCapture(int32_t) override { return 1; }
  int32_t ReleaseCapture() override { return 1; }
  int32_t GetPixel(int32_t, int32_t, int32_t) override { return 0; }
  int32_t SetWindowPos(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
    return 1;
  }
};

struct NoMessageBox : toolkit::MessageBoxService {
  int16_t MsgBox(const Text&, const Text&) override { return toolkit::kMsgBoxNo; }
};
struct NoClipboard : toolkit::ClipboardService {
  void SetText(const Text&) override {}
};
struct NoEnd : toolkit::EndService {
  void End() override {}
};

// Runs the timed loop: action(i) and the repaint after it are timed, check(i) names what
// went wrong (empty if nothing did), reset(i) readies the next action untimed.
void Measure(benchmark::State& state, const long& handler_runs,
             const std::function<void(int)>& action, const std::function<std::string(int)>& check,
             const std::function<void(int)>& reset) {
  long runs = 0;
  double in_step = 0;
  int i = 0;
  for (auto _ : state) {
    QCoreApplication::processEvents();  // nothing left over from the reset
    const long before = handler_runs;
    const Clock::time_point start = Clock::now();
    action(i);
    const Clock::time_point handled = Clock::now();
    QCoreApplication::processEvents();  // the deferred repaint
    const Clock::time_point painted = Clock::now();
    runs += handler_runs - before;
    in_step += Seconds(handled - start);
    state.SetIterationTime(Seconds(painted - start));
    if (const std::string error = check(i); !error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
    reset(i);
    ++i;
  }
  state.counters["handlers"] =
      benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kAvgIterations);
  state.counters["in_step_us"] =
      benchmark::Counter(in_step * 1e6, benchmark::Counter::kAvgIterations);
}

// A shown form whose handler runs are counted.
class Bench {
 public:
  Bench() : form_({mouse_, message_box_, clipboard_, end_}) {
    form_.Start();
    QApplication::setActiveWindow(form_.Form.Window());
    QCoreApplication::processEvents();
    toolkit::SetDispatchObserver([this](const std::string&, int) { ++handler_runs_; });
  }
  ~Bench() { toolkit::SetDispatchObserver(nullptr); }
  Bench(const Bench&) = delete;
  Bench& operator=(const Bench&) = delete;

  Frmkolwe& form() { return form_; }
  StillMouse& mouse() { return mouse_; }

  void Run(
      benchmark::State& state, const std::function<void(int)>& action,
      const std::function<std::string(int)>& check,
      const std::function<void(int)>& reset = [](int) {}) {
    Measure(state, handler_runs_, action, check, reset);
  }

 private:
  StillMouse mouse_;
  NoMessageBox message_box_;
  NoClipboard clipboard_;
  NoEnd end_;
  Frmkolwe form_;
  long handler_runs_ = 0;
};

void SelectAll(toolkit::TextBox& field) {
  field.SetSelStart(0);
  field.SetSelLength(static_cast<int32_t>(field.Text().size()));
}

std::string InStep(Frmkolwe& form, int red, int green, int blue) {
  const bool in_step = form.HSclRed.Value() == red && form.HSclGreen.Value() == green &&
                       form.HSclBlue.Value() == blue &&
                       form.LblColor.BackColor() == toolkit::Rgb(red, green, blue);
  return in_step ? std::string() : "the views are not in step";
}

// A digit typed over the selected text of TxtR: red alternates between 3 and 4.
void BM_TypedDigitInDecimalField(benchmark::State& state) {
  Bench bench;
  toolkit::TextBox& field = bench.form().TxtR;
  field.Widget()->setFocus(Qt::TabFocusReason);
  SelectAll(field);
  bench.Run(
      state, [&](int i) { QTest::keyClick(field.Widget(), i % 2 ? '3' : '4'); },
      [&](int i) { return InStep(bench.form(), i % 2 ? 3 : 4, 0, 0); },
      [&](int) { SelectAll(field); });
}
BENCHMARK(BM_TypedDigitInDecimalField)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The sixth digit typed into Txt16, completing "123456" or "654321" in turn: all three
// fields, all three bars and the swatch change.
void BM_HexDigitCompletingColour(benchmark::State& state) {
  Bench bench;
  toolkit::TextBox& field = bench.form().Txt16;
  const char* const kFirstFive[2] = {"12345", "65432"};
  const char kSixth[2] = {'6', '1'};
  field.Widget()->setFocus(Qt::TabFocusReason);
  SelectAll(field);
  QTest::keyClicks(field.Widget(), kFirstFive[0]);
  bench.Run(
      state, [&](int i) { QTest::keyClick(field.Widget(), kSixth[i % 2]); },
      [&](int i) {
        return i % 2 ? InStep(bench.form(), 0x65, 0x43, 0x21)
                     : InStep(bench.form(), 0x12, 0x34, 0x56);
      },
      [&](int i) {
        SelectAll(field);
        QTest::keyClicks(field.Widget(), kFirstFive[(i + 1) % 2]);
      });
}
BENCHMARK(BM_HexDigitCompletingColour)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A click on HSclRed's track, the pointer at the clicked point: the thumb jumps there. The
// clicks alternate between both ends of the track, each on the side away from the thumb.
constexpr int kBarMiddle = 8;
constexpr int kTrackX[2] = {139, 86};  // client x
constexpr int kTrackValue[2] = {235, 24};

void BM_ScrollBarTrackClick(benchmark::State& state) {
  Bench bench;
  QWidget* bar = bench.form().HSclRed.Widget();
  bench.Run(
      state,
      [&](int i) {
        const int x = kTrackX[i % 2];
        bench.mouse().cursor = {x, bar->y() + kBarMiddle};
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(x - bar->x(), kBarMiddle));
      },
      [&](int i) { return InStep(bench.form(), kTrackValue[i % 2], 0, 0); });
}
BENCHMARK(BM_ScrollBarTrackClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A keyboard step on the focused HSclRed with the pointer resting over the column: the bar
// steps by one (the pointer is never taken for a key) with the same cascade as the click.
void BM_ScrollBarKeyStep(benchmark::State& state) {
  Bench bench;
  QWidget* bar = bench.form().HSclRed.Widget();
  bar->setFocus(Qt::TabFocusReason);
  bench.Run(
      state,
      [&](int i) {
        bench.mouse().cursor = {kTrackX[i % 2], 0};
        QTest::keyClick(bar, i % 2 ? Qt::Key_Left : Qt::Key_Right);
      },
      [&](int i) { return InStep(bench.form(), i % 2 ? 0 : 1, 0, 0); });
}
BENCHMARK(BM_ScrollBarKeyStep)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same track clicks on a bare QScrollBar of the same size with nothing connected: what
// Qt alone spends on a click (press, the repaint it makes at once, release).
void BM_BareQScrollBarClick(benchmark::State& state) {
  QWidget window;
  auto* bar = new QScrollBar(Qt::Horizontal, &window);
  bar->setGeometry(64, 16, 97, 17);
  bar->setRange(0, 255);
  bar->setPageStep(1);
  bar->setTracking(false);
  window.show();
  const long no_handlers = 0;
  Measure(
      state, no_handlers,
      [&](int i) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(kTrackX[i % 2] - bar->x(), kBarMiddle));
      },
      [](int) { return std::string(); }, [&](int i) { bar->setValue(kTrackValue[i % 2]); });
}
BENCHMARK(BM_BareQScrollBarClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Repaint at the next pass of the event loop rather than 5 ms later, so that the repaint
  // an action sets off falls inside its own timing.
  qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
  QApplication application(argc, argv);
  toolkit::InstallRuntimeLook();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
