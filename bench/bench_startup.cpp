// Start-up to the first shown window: all windows created and the first
// showing of the main window run on the demo data root (set files read,
// database list built, theme applied).

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "app/formwarning.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void BM_StartUp(benchmark::State &state)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    Overrides().startDir = QStringLiteral(VT_BIN_DIR);
    Overrides().tempDir = home.path();
    Overrides().useArguments = true;
    Overrides().arguments = {QStringLiteral(VT_BIN_DIR "/vellumtrove")};
    Messages::setRecording(true);
    TFormWarning::setAutoAnswer(true, false);
    for (auto _ : state) {
        CreateAllForms();
        Form1->FormShow();
        state.PauseTiming();
        if (Form1->startupFailed())
            state.SkipWithError("start-up failed: is the demo data root built?");
        DestroyAllForms();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
