#pragma once
// The product's title, version and addresses: the one place they are set.
// The bottom bar, the information window and the user guide's links read
// them from here.

#include <QString>

namespace product {

inline const QString kTitle = QStringLiteral("QUOREL NETWORK - REALTIME SIMULATOR");
inline const QString kVersion = QStringLiteral("1.0");
inline QString titleAndVersion() { return kTitle + QStringLiteral("  Version ") + kVersion; }

// The project's own addresses. The .invalid names are reserved: nothing is
// reached until the project has addresses of its own to put here.
inline const QString kSiteUrl = QStringLiteral("https://quorel.invalid/");
inline const QString kProductUrl = QStringLiteral("https://quorel.invalid/network/");
inline const QString kSupportMail = QStringLiteral("support@quorel.invalid");

// The information window's credit line: our program, the data and the voices.
inline const QString kCredit = QStringLiteral("(c) Quorel / data: ODPT, StationAPI / voices: nitech, CMU");
// The same in full, as the credit line's hint.
inline const QString kCreditInFull = QStringLiteral(
    "Quorel Network (c) the Quorel developers\n"
    "Timetables: Public Transportation Open Data Center (ODPT), Toei data CC BY 4.0, via mini-tokyo-3d (MIT)\n"
    "Stations: TrainLCD/StationAPI (MIT), after ekidata\n"
    "Voices: Open JTalk nitech-jp-atr503-m001 (CC BY 3.0), Festival CMU US SLT HTS voice");

}  // namespace product
