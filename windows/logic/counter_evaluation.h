#pragma once
// The evaluation behind the counter windows: per counter the latest value, the increase since the
// poll before (modulo 2^32), its rate per second, the largest increase and when it was seen, and the
// texts the window's rows show.

#include <cstdint>
#include <string>
#include <vector>

struct CounterState {
    std::uint32_t value = 0;
    std::uint32_t previous = 0;
    std::uint32_t peak = 0;
    std::uint32_t delta = 0;
    std::string name;
};

// The cells of one visible row, in column order.
struct CounterRow {
    std::string name;
    std::string value = "0";
    std::string delta = "0";
    std::string rate = "0";
    std::string peak = "0";
    std::string peakTime;
};

// The low 32 bits of a cell holding an unsigned decimal number; raises -519 for any other text.
std::uint32_t CounterValue(const std::string &text);

class CounterMonitor {
public:
    // ScalarGroup: the rows always exist; the first evaluation after a reset fills only Value.
    // ChosenRow: the rows appear with the first evaluation after a reset, which shows nothing else;
    // the second fills Value, Delta and Rate.
    enum class Style { ScalarGroup, ChosenRow };

    CounterMonitor(Style style, std::vector<std::string> names);

    // A new measurement: every counter back to 0, rows at "0" with timeText as their peak time
    // (ChosenRow: no rows until the next evaluation).
    void Reset(const std::string &timeText);

    // One poll: counter i is read from cells[firstCell + i]. sampleMs is when the cells were read, on a
    // steady clock; the rate (per second) divides by the time measured since the sample before, and the
    // peak compares increases brought to one interval, so a skipped tick or a lost answer does not
    // multiply them. Without both times (sampleMs negative, or a first sample) the interval's whole
    // seconds (at least one) count. Raises -513 when a cell is missing and -519 for a cell that is
    // not a number; the counters are then unchanged.
    void Evaluate(const std::vector<std::string> &cells, std::size_t firstCell, int intervalMs,
                  const std::string &timeText, std::int64_t sampleMs = -1);

    // The next evaluation counts as the first after a reset again (ScalarGroup).
    void ForgetFirstSample() { firstSampleTaken_ = false; }

    const std::vector<CounterState> &counters() const { return counters_; }
    const std::vector<CounterRow> &rows() const { return rows_; }
    bool firstSampleTaken() const { return firstSampleTaken_; }
    int pollCount() const { return pollCount_; }

private:
    void FillRows(const std::string &timeText);
    void ZeroCounters();
    // Steps common to both styles; showDeltas: Delta and Rate cells are filled.
    void Apply(std::size_t i, std::uint32_t read, bool peakAllowed, bool show, bool showDeltas,
               const std::string &timeText);

    struct Span {
        std::int64_t elapsedMs;  // between the two samples
        std::int64_t intervalMs; // the nominal one the peak is brought to
    };

    Style style_;
    std::vector<CounterState> counters_;
    std::vector<CounterRow> rows_;
    bool firstSampleTaken_ = false;
    int pollCount_ = 0;
    std::int64_t lastSampleMs_ = -1;
    Span span_{1000, 1000};
};
