#pragma once

#include <QString>
#include <QtGlobal>

// What the window benchmarks share: the large file they drive the window
// through, and the memory figures they read.
namespace SyntheticFile {

// The one company every circuit of the file belongs to.
inline constexpr const char* kCompany = "Synthetic Cabling";
inline constexpr int kFibersPerLink = 25;

// A test database of `circuits` circuits in links of 25 fibers, all of one
// company, written in one transaction.
void make(const QString& file, int circuits);

// A test database of `circuits` circuits in links of 25 to 200 fibers (the
// sizes of real cables), of three companies with meters of their own,
// written in one transaction. Returns the number of links.
int makeMixed(const QString& file, int circuits);

// A field of /proc/<pid>/status in MB ("VmRSS", "VmHWM"); -1 when unreadable.
double statusMb(qint64 pid, const char* field);

} // namespace SyntheticFile
