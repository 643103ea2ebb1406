#include "run/option_echo.h"

#include <cstddef>
#include <string_view>

#include "options/job_settings.h"
#include "options/option_load.h"
#include "run/name_parts.h"
#include "run/run_state.h"
#include "support/ascii_case.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::run {
namespace {

constexpr std::string_view kDefaultSection = "brenx";

// Fills the cells in order, wrapping after the last one.
class EchoWriter {
  public:
    void Put(std::string text) {
        cells_[next_] = std::move(text);
        next_ = (next_ + 1) % cells_.size();
    }
    void PutIf(bool condition, std::string text) {
        if (condition) Put(std::move(text));
    }
    const OptionEchoCells& Cells() const { return cells_; }

  private:
    OptionEchoCells cells_{};
    std::size_t next_ = 0;
};

std::string Tagged(std::string_view format, std::string_view value) {
    return support::SafeFormat(format, {value});
}

bool IsDefaultSection(std::string_view section) {
    return support::SameTextIgnoringAsciiCase(section, kDefaultSection);
}

void PutFileFlags(EchoWriter& echo, const options::JobSettings& s) {
    echo.PutIf(s.FixDotCrash, "FixDotCrash");
    echo.PutIf(s.recurse, "recurse");
    echo.PutIf(s.arconly, "arconly");
    echo.PutIf(s.nocopy, "nocopy");
    echo.PutIf(s.nodata, "nodata");
}

void PutNamesAndKeys(EchoWriter& echo, const options::JobSettings& s, const EchoFacts& facts) {
    echo.PutIf(!s.log.empty(), Tagged("log: %s", FileNamePart(s.log)));
    echo.PutIf(facts.waitingForStartFile, Tagged("wait:%s", FileNamePart(s.startfile)));
    if (facts.keys == nullptr) return;
    echo.PutIf(!facts.keys->dstkey.empty(), Tagged("dstkey: %s", facts.keys->dstkey));
    echo.PutIf(!facts.keys->srckey.empty(), Tagged("srckey: %s", facts.keys->srckey));
}

void PutCopyRules(EchoWriter& echo, const options::JobSettings& s, const EchoFacts& facts) {
    echo.PutIf(s.crc, "crc");
    echo.PutIf(s.BLRautoSkip, support::SafeFormat("BLRautoSkip:%d", {facts.autoSkips}));
    if (s.NewerOnly) {
        echo.Put("NewerOnly");
        echo.PutIf(!s.NewerLog, "NewerLog=0");
    }
    if (s.DifferentOnly) {
        echo.Put("DifOnly");
        echo.PutIf(!s.NewerLog, "NewerLog=0");
    }
    echo.PutIf(s.NewerComplaint, "New/difComplaint");
    echo.PutIf(s.VerifyComplete, "VerifyComplete");
}

void PutMediaRules(EchoWriter& echo, const options::JobSettings& s) {
    if (s.RandomWait > 0) {
        echo.Put(Tagged("rwait: %s", support::GroupedNumber(s.RandomWait)));
        echo.Put(support::SafeFormat("rtime: %d", {s.RandomTime}));
        echo.PutIf(s.RandomEject > 0, Tagged("reject: %s", support::GroupedNumber(s.RandomEject)));
    }
    echo.PutIf(!s.NotCDR.empty(), Tagged("NotCDR: %s", s.NotCDR));
    echo.PutIf(s.ReadOnly, "ReadOnly");
}

void PutRunExtras(EchoWriter& echo, const options::JobSettings& s, const EchoFacts& facts) {
    echo.PutIf(!IsDefaultSection(facts.section), Tagged("[%s]", facts.section));
    echo.PutIf(s.CRCCopy, "CRCcopy");
    echo.PutIf(!s.tidy.empty(), Tagged("tidy: %s", FileNamePart(s.tidy)));
    echo.PutIf(s.stopbak, "stopbak");
    echo.PutIf(s.atts, s.ReadOnly ? "atts +r/o" : "atts");
    echo.PutIf(s.noskipmsg, "noskipmsg");
    echo.PutIf(s.noprompt, "noprompt");
    echo.PutIf(!s.cant_skip.empty(), Tagged("cant_skip:%s", s.cant_skip));
    echo.PutIf(!s.cant_file.empty(), Tagged("cant_file:%s", s.cant_file));
}

}  // namespace

OptionEchoCells BuildOptionEcho(const options::JobSettings& settings, const EchoFacts& facts) {
    EchoWriter echo;
    PutFileFlags(echo, settings);
    PutNamesAndKeys(echo, settings, facts);
    PutCopyRules(echo, settings, facts);
    PutMediaRules(echo, settings);
    PutRunExtras(echo, settings, facts);
    return echo.Cells();
}

void ShowOptionEcho(RunState& run) {
    const EchoFacts facts{run.flags.waitingForStartFile, &run.echoKeys, run.counters.autoSkips,
                          run.Options().SettingsFileState().Section()};
    run.Board().SetOptionEcho(BuildOptionEcho(run.Settings(), facts));
}

}  // namespace brenx::run
