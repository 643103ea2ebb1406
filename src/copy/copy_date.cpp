#include "copy/copy_date.h"

#include "options/log_file.h"
#include "platform/file_handle.h"
#include "platform/host_reason.h"
#include "run/run_state.h"
#include "support/date_stamp.h"
#include "support/safe_format.h"

namespace brenx::copy {

std::string DosDateText(platform::DosDateTime date) {
    platform::DosDateFields fields;
    if (!platform::UnpackDosDateTime(date, fields)) return "?";
    support::LocalTime time;
    time.year = fields.year;
    time.month = fields.month;
    time.day = fields.day;
    time.hour = fields.hour;
    time.minute = fields.minute;
    time.second = fields.second;
    return support::FormatDateTime(time);
}

void DateTheCopy(run::RunState& run, const std::string& destination, platform::FileHandle& copy,
                 platform::DosDateTime date) {
    std::string complaint;
    if (!copy.SetDate(date)) {
        complaint = support::SafeFormat("Couldn't date %s (%s)",
                                        {destination, platform::HostErrorReason(copy.LastError())});
    } else if (const platform::DosDateTime kept = copy.GetDate();
               kept == platform::kNoDosDateTime) {
        complaint = support::SafeFormat("Couldn't read back the date of %s (%s)",
                                        {destination, platform::HostErrorReason(copy.LastError())});
    } else if (kept != date) {
        complaint = support::SafeFormat("Date didn't take on %s: sb %s, but is %s",
                                        {destination, DosDateText(date), DosDateText(kept)});
    }
    if (complaint.empty()) return;
    run.Log().Write(complaint);
    run.counters.wrongDates += 1;
}

}  // namespace brenx::copy
