#include "characteristics/trade_sweep.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "characteristics/nozzle_analysis.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// How the messages name a design held in memory (it has no file).
std::string DesignName(const DesignRequest& d) {
    if (MethodHasOwnLength(d.method)) return Format("%s design of epsilon %g", ContourMethodName(d.method), d.epsilon);
    return Format("%s design of epsilon %g at %g %%", ContourMethodName(d.method), d.epsilon, d.lengthPercent);
}

void CheckRequest(const SweepRequest& r) {
    CheckFlowConditions(FlowConditions{r.gamma, r.p0Bar, r.paBar});
    if (!std::isfinite(r.diameter) || !(r.diameter > 0.0f)) {
        throw Error(Format("the throat diameter must be a finite number above 0 cm (got %g)", r.diameter),
                    Format("o diâmetro da garganta deve ser um número finito maior que 0 cm (valor %g)",
                           r.diameter));
    }
    if (r.epsilons.empty() || r.lengthPercents.empty() || r.methods.empty()) {
        throw Error("a sweep needs at least one epsilon, one length and one method",
                    "um estudo precisa de ao menos um epsilon, um comprimento e um método");
    }
    for (const std::vector<float>* list : {&r.epsilons, &r.lengthPercents}) {
        for (const float value : *list) {
            if (!std::isfinite(value)) {
                throw Error("every epsilon and length of a sweep must be a finite number",
                            "todo epsilon e comprimento de um estudo deve ser um número finito");
            }
        }
    }
    if (r.threads < 0 || r.characteristics < 0) {
        throw Error("the thread count and the number of characteristics must be 0 (the default) or more",
                    "o número de threads e de características deve ser 0 (o padrão) ou mais");
    }
}

long long CountDesigns(const SweepRequest& r) {
    long long count = 0;
    for (const ContourMethod method : r.methods) {
        count += static_cast<long long>(r.epsilons.size()) *
                 (MethodHasOwnLength(method) ? 1 : static_cast<long long>(r.lengthPercents.size()));
        if (count > kMaxSweepDesigns) break;
    }
    return count;
}

void FillFigures(const DesignSummary& s, const AnalysisResult& a, SweepRow& row) {
    // The cone is the 100 % the lengths are measured by; the ideal nozzle's
    // length is its own.
    if (row.method == ContourMethod::Cone) row.lengthPercent = 100.0f;
    if (row.method == ContourMethod::Ideal) row.lengthPercent = static_cast<float>(100.0 * s.length / s.coneLength);
    row.lengthCm = s.length;
    row.lengthSavedCm = s.lengthSaved;
    row.lengthSavedPercent = s.lengthSavedPercent;
    row.exitAngleDeg = s.thetaS;
    row.wallAreaCm2 = s.wallArea;
    row.efficiency = a.efficiency;
    row.cfVacuum = a.cfVacuum;
    row.cfAmbient = a.cfAmbient;
    row.cfAmbientSeparated = a.cfAmbientSeparated;
    row.separationXCm = a.separationXCm;
    if (a.shock) row.shockXCm = a.shock->xCm;
    row.dischargeCoefficient = a.dischargeCoefficient;
    row.exitMachMean = a.exitMachMean;
}

// The row of a refused design: what was asked and why not, no figures.
SweepRow RefusedRow(const SweepRow& asked, const std::string& english, const std::string& portuguese) {
    SweepRow row;
    row.method = asked.method;
    row.epsilon = asked.epsilon;
    row.lengthPercent = asked.lengthPercent;
    row.error = english;
    row.errorPortuguese = portuguese;
    return row;
}

}  // namespace

bool MethodHasOwnLength(ContourMethod method) {
    return method == ContourMethod::Cone || method == ContourMethod::Ideal;
}

std::vector<DesignRequest> SweepDesigns(const SweepRequest& r) {
    CheckRequest(r);
    const long long count = CountDesigns(r);
    if (count > kMaxSweepDesigns) {
        throw Error(Format("a sweep of more than %lld designs is refused; take fewer values", kMaxSweepDesigns),
                    Format("um estudo de mais de %lld projetos é recusado; use menos valores", kMaxSweepDesigns));
    }
    std::vector<DesignRequest> designs;
    designs.reserve(static_cast<std::size_t>(count));
    for (const ContourMethod method : r.methods) {
        for (const float epsilon : r.epsilons) {
            for (const float length : r.lengthPercents) {
                DesignRequest d;
                d.diameter = r.diameter;
                d.epsilon = epsilon;
                d.lengthPercent = MethodHasOwnLength(method) ? 100.0f : length;
                d.method = method;
                d.gamma = r.gamma;
                designs.push_back(d);
                if (MethodHasOwnLength(method)) break;
            }
        }
    }
    return designs;
}

SweepRow RunSweepDesign(const DesignRequest& design, const SweepRequest& request) {
    SweepRow row;
    row.method = design.method;
    row.epsilon = design.epsilon;
    row.lengthPercent = design.lengthPercent;
    try {
        const std::string name = DesignName(design);
        const DesignedProfile designed = DesignProfile(design);
        const ProfileTable profile = ParseProfileText(designed.profileText, name);
        const DesignSummary summary =
            SummarizeDesign(profile, FlowConditions{request.gamma, request.p0Bar, request.paBar}, name);
        AnalysisOptions options;
        options.gamma = request.gamma;
        options.p0Bar = request.p0Bar;
        options.paBar = request.paBar;
        options.characteristics = request.characteristics;
        FillFigures(summary, AnalyzeProfile(profile, options, name), row);
    } catch (const Error& error) {
        return RefusedRow(row, error.what(), error.Portuguese());
    } catch (const std::exception& error) {
        // Out of memory or a fault of the engine: the row says so, the rest
        // of the sweep goes on.
        return RefusedRow(row, error.what(), error.what());
    }
    return row;
}

SweepResult RunSweep(const SweepRequest& request, const std::function<void(const SweepProgress&)>& progress,
                     const std::atomic<bool>* stop) {
    const std::vector<DesignRequest> designs = SweepDesigns(request);
    const long long total = static_cast<long long>(designs.size());
    std::vector<SweepRow> rows(designs.size());
    std::vector<char> finished(designs.size(), 0);

    std::atomic<long long> next{0};
    std::atomic<bool> cancel{false};
    long long done = 0;
    std::mutex mutex;
    std::condition_variable changed;

    auto work = [&] {
        for (;;) {
            if (cancel.load() || (stop != nullptr && stop->load())) return;
            const long long i = next.fetch_add(1);
            if (i >= total) return;
            SweepRow row = RunSweepDesign(designs[static_cast<std::size_t>(i)], request);
            std::lock_guard<std::mutex> lock(mutex);
            rows[static_cast<std::size_t>(i)] = std::move(row);
            finished[static_cast<std::size_t>(i)] = 1;
            if (++done == total) changed.notify_one();
        }
    };
    int threads = request.threads > 0 ? request.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = static_cast<int>(std::max<long long>(1, std::min<long long>(std::max(threads, 1), total)));
    {
        // Joined on every way out: a progress callback that throws (a
        // caller's own exception, an interrupt from Python) must not leave
        // threads running, which would end the program.
        std::vector<std::thread> workers;
        struct JoinAll {
            std::vector<std::thread>& workers;
            std::atomic<bool>& cancel;
            ~JoinAll() {
                cancel = true;
                for (std::thread& worker : workers) worker.join();
            }
        } joinAll{workers, cancel};
        workers.reserve(static_cast<std::size_t>(threads));
        for (int t = 0; t < threads; ++t) workers.emplace_back(work);

        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            if (stop != nullptr && stop->load()) break;
            changed.wait_for(lock, std::chrono::milliseconds(100), [&] { return done == total; });
            const SweepProgress now{done, total};
            if (progress) {
                lock.unlock();
                progress(now);
                lock.lock();
            }
            if (done == total) break;
        }
    }

    SweepResult result;
    result.total = total;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (finished[i]) result.rows.push_back(std::move(rows[i]));
    }
    result.complete = static_cast<long long>(result.rows.size()) == total;
    if (!result.complete && progress) progress(SweepProgress{static_cast<long long>(result.rows.size()), total});
    return result;
}

}  // namespace bellnozzle::moc
