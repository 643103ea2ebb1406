#include "copy/copy_date.h"

#include "options/log_file.h"
#include "platform/file_handle.h"
#include "platform/file_system.h"
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

namespace {

// The complaint about a date that was read back after it was set; empty
// when it took.
std::string ReadBackComplaint(const std::string& destination, platform::DosDateTime date,
                              platform::DosDateTime kept, platform::HostError why) {
    if (kept == platform::kNoDosDateTime) {
        return support::SafeFormat("Couldn't read back the date of %s (%s)",
                                   {destination, platform::HostErrorReason(why)});
    }
    if (kept != date) {
        return support::SafeFormat("Date didn't take on %s: sb %s, but is %s",
                                   {destination, DosDateText(date), DosDateText(kept)});
    }
    return {};
}

std::string SetComplaint(const std::string& destination, platform::HostError why) {
    return support::SafeFormat("Couldn't date %s (%s)",
                               {destination, platform::HostErrorReason(why)});
}

bool Complain(run::RunState& run, const std::string& complaint) {
    if (complaint.empty()) return true;
    run.Log().Write(complaint);
    run.counters.wrongDates += 1;
    return false;
}

}  // namespace

bool DateTheCopy(run::RunState& run, const std::string& destination, platform::FileHandle& copy,
                 platform::DosDateTime date) {
    if (!copy.SetDate(date)) return Complain(run, SetComplaint(destination, copy.LastError()));
    const platform::DosDateTime kept = copy.GetDate();
    return Complain(run, ReadBackComplaint(destination, date, kept, copy.LastError()));
}

void KeepDateAcrossRename(run::RunState& run, const std::string& destination,
                          platform::DosDateTime date) {
    platform::FileSystem& fs = run.Fs();
    if (fs.GetDateWithoutLinks(destination) == date) return;
    if (!fs.SetDateWithoutLinks(destination, date)) {
        Complain(run, SetComplaint(destination, fs.LastError()));
        return;
    }
    const platform::DosDateTime kept = fs.GetDateWithoutLinks(destination);
    Complain(run, ReadBackComplaint(destination, date, kept, fs.LastError()));
}

}  // namespace brenx::copy
