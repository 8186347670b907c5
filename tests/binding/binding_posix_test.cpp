// The late-binding code built natively, with dlsym in place of GetProcAddress:
// what only a native build can show. The whole slot table is emptied, and
// threads calling through the stubs while the module changes under them are
// always answered by a module or by the fallback (run under ThreadSanitizer).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "binding_table.h"
#include "late_binding.h"

extern "C" miSetModuleHandle_fn miSetModuleHandle;

namespace {

using napsheen::binding::host_module;
using napsheen::binding::kSlotCount;
using napsheen::binding::slot_table;

void* open_module(const char* path)
{
    void* const module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(module, nullptr) << dlerror();
    return module;
}

TEST(BindingTable, SetModuleHandleStoresTheHandleAndEmptiesAllSlots)
{
    void* const module = open_module(HOST_MODULE_1);
    int marker = 0;
    for (void* const handle : {static_cast<void*>(nullptr), module}) {
        for (std::atomic<void*>& slot : slot_table)
            slot.store(&marker);
        EXPECT_EQ(miSetModuleHandle(handle), 0);
        EXPECT_EQ(host_module.load(), handle);
        int filled = 0;
        for (const std::atomic<void*>& slot : slot_table)
            filled += slot.load() != nullptr;
        EXPECT_EQ(filled, 0) << "of " << kSlotCount << " slots";
    }
    dlclose(module);
}

// Who answered one round of calls through the five stubs: 0 for the
// fallback, a module's id, or -1 for anything else.
struct Round {
    int answers[5];
};

int classify(bool fallback, int module_id)
{
    if (fallback)
        return 0;
    return module_id == 1 || module_id == 2 ? module_id : -1;
}

Round call_every_stub()
{
    miState state{};
    const int field = -1;
    Round round{};

    const void* const value = mi_phen_eval(&state, &field);
    round.answers[0] = classify(value == &field, *static_cast<const int*>(value));

    miInteger count = -1;
    const miTag* lights = nullptr;
    miBoolean answer = mi_inclusive_lightlist(&count, &lights, &state);
    round.answers[1] = classify(!answer && count == -1, answer ? count : -1);

    count = -1;
    answer = mi_exclusive_lightlist(&count, &lights, &state);
    round.answers[2] = classify(!answer && count == -1, answer ? count : -1);

    miColor color{};
    miVector dir{};
    miScalar cosine = 0.0f;
    miInteger samples = -1;
    answer = mi_sample_light(&color, &dir, &cosine, &state, 7, &samples);
    round.answers[3] = classify(!answer && samples == -1, answer ? samples : -1);

    miColor irradiance{-1.0f, -1.0f, -1.0f, -1.0f};
    mi_compute_irradiance(&irradiance, &state);
    const bool black = irradiance.r == 0.0f && irradiance.g == 0.0f && irradiance.b == 0.0f;
    round.answers[4] = classify(black, static_cast<int>(irradiance.r));
    return round;
}

// Standard error, redirected to a file for the scope's lifetime.
class CapturedStderr {
public:
    CapturedStderr() : file_(std::tmpfile()), saved_(dup(2))
    {
        std::fflush(stderr);
        dup2(fileno(file_), 2);
    }
    ~CapturedStderr() { std::fclose(file_); }
    CapturedStderr(const CapturedStderr&) = delete; // one owner closes the file
    CapturedStderr& operator=(const CapturedStderr&) = delete;
    std::string release()
    {
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        std::string text;
        std::rewind(file_);
        for (int c = 0; (c = std::fgetc(file_)) != EOF;)
            text += static_cast<char>(c);
        return text;
    }

private:
    std::FILE* file_;
    int saved_;
};

TEST(BindingRace, StubsAnswerThroughEveryChangeOfModule)
{
    ASSERT_EQ(dlsym(RTLD_DEFAULT, "mi_phen_eval"), nullptr) << "the null handle must find no host function here";
    void* const modules[3] = {open_module(HOST_MODULE_1), open_module(HOST_MODULE_2), nullptr};
    constexpr int kCallers = 3, kChanges = 3000;

    CapturedStderr captured;
    std::atomic<bool> changing{true};
    std::vector<std::vector<Round>> rounds(kCallers);
    std::vector<std::thread> callers;
    callers.reserve(kCallers);
    for (int t = 0; t < kCallers; ++t)
        callers.emplace_back([&, t] {
            while (changing.load())
                rounds[t].push_back(call_every_stub());
        });
    for (int change = 0; change < kChanges; ++change)
        EXPECT_EQ(miSetModuleHandle(modules[change % 3]), 0);
    changing.store(false);
    for (std::thread& caller : callers)
        caller.join();
    const std::string messages = captured.release();

    int unexplained = 0;
    for (const std::vector<Round>& thread_rounds : rounds)
        for (const Round& round : thread_rounds)
            for (const int answer : round.answers)
                unexplained += answer < 0;
    EXPECT_EQ(unexplained, 0) << "calls answered by neither module nor the fallback";

    // Only the null handle fails here, and every message is one whole line.
    const std::regex message(R"re(DYNLOAD: dl_handle null|dlsym failed on "mi_(phen_eval|inclusive_lightlist|)re"
                             R"re(exclusive_lightlist|sample_light|compute_irradiance)" \(handle: 00000000 error: 127\))re");
    std::istringstream lines(messages);
    std::string strays; // the first few, with ThreadSanitizer's report if there is one
    int stray_count = 0;
    for (std::string line; std::getline(lines, line);)
        if (!std::regex_match(line, message) && ++stray_count <= 20)
            strays += line + "\n";
    EXPECT_EQ(stray_count, 0) << "unexpected lines on standard error:\n" << strays;
    EXPECT_TRUE(messages.empty() || messages.back() == '\n');

    miSetModuleHandle(nullptr);
    dlclose(modules[0]);
    dlclose(modules[1]);
}

} // namespace
