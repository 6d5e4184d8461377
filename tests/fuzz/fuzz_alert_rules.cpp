// Alert rules over any text a rules file may hold: refused with a reason, or
// read into rules that are written back to the same rules.
#include "alerts/alert_rule.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const AlertRulesReading reading = readAlertRules(fuzz::bytesOf(data, size));
    if (!reading.good()) {
        fuzz::require(reading.rules.empty(), "a refused text gives no rules");
        return 0;
    }
    const AlertRulesReading again = readAlertRules(alertRulesJson(reading.rules));
    fuzz::require(again.good() && again.rules == reading.rules, "rules written back read the same");
    for (const AlertRule& rule : reading.rules) fuzz::require(!describeRule(rule).empty(), "a rule is said");
    return 0;
}
