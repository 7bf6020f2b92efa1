// Cost of recognising a window on the user-interface thread: the built-in templates against
// descriptions of typical size, and the worst case the step budget allows.
#include "autofill/TemplateRegex.h"
#include "autofill/WindowTemplateList.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr const char* kPrompt = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:mykey:"
                                "Edit:FOCUSED::Button:O&K:Button:&Cancel";

// A browser-like window: many children with class names and texts, nothing a template wants.
std::string BusyDescription(int children) {
    std::string description = "Chrome_WidgetWin_1:Log in - Example - Browser";
    for (int i = 0; i < children; ++i) {
        description += ":Chrome_RenderWidgetHostHWND:Chrome Legacy Window " + std::to_string(i);
    }
    return description;
}

void BM_BuiltInTemplatesOnPrompt(benchmark::State& state) {
    vaultlet::WindowTemplateList templates;
    for (const vaultlet::WindowTemplate& windowTemplate : vaultlet::WindowTemplateList::kBuiltIn) {
        templates.Add(windowTemplate);
    }
    vaultlet::SecureString captured;
    for (auto _ : state) {
        benchmark::DoNotOptimize(templates.Capture(kPrompt, "#32770", "pageant.exe", captured));
    }
}
BENCHMARK(BM_BuiltInTemplatesOnPrompt);

void BM_BuiltInTemplatesOnBusyWindow(benchmark::State& state) {
    vaultlet::WindowTemplateList templates;
    for (const vaultlet::WindowTemplate& windowTemplate : vaultlet::WindowTemplateList::kBuiltIn) {
        templates.Add(windowTemplate);
    }
    const std::string description = BusyDescription(static_cast<int>(state.range(0)));
    vaultlet::SecureString captured;
    for (auto _ : state) {
        benchmark::DoNotOptimize(templates.Capture(description, "#32770", "pageant.exe", captured));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * description.size()));
}
BENCHMARK(BM_BuiltInTemplatesOnBusyWindow)->Arg(10)->Arg(100);

// The longest a single match can take: a pattern with exponential backtracking runs until the
// default step budget is used up.
void BM_PathologicalPatternUntilBudget(benchmark::State& state) {
    vaultlet::TemplateRegex regex;
    regex.Compile("(a|a)+b", true);
    const std::string input(40, 'a');
    vaultlet::TemplateMatch match;
    for (auto _ : state) {
        benchmark::DoNotOptimize(regex.Match(input, match));
    }
}
BENCHMARK(BM_PathologicalPatternUntilBudget)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
