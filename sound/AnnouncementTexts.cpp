#include "sound/AnnouncementTexts.h"

namespace {

// Every fragment exactly as spoken, blanks at either end included.
const QString J1 = QStringLiteral("まもなく、");
const QString J2 = QStringLiteral("番線に。");
const QString J3 = QStringLiteral("行き、電車が、到着します。白線の内側で、お待ちください。");
const QString J4 = QStringLiteral("番線に到着する電車は、とうえき止まりです。ご乗車になれませんので、ご注意ください。");
const QString J5a = QStringLiteral("番線を、快速電車が通過します。白線の内側に、お下がりください。");
const QString J5b = QStringLiteral("番線を、電車が通過します。白線の内側まで、お下がりください。");
const QString J6 = QStringLiteral("。");
const QString J7 = QStringLiteral("。足元にご注意ください。");
const QString J8 = QStringLiteral("は、お乗換です。");
const QString J9 = QStringLiteral("番線の電車は、");
const QString J10 = QStringLiteral("ゆきです。閉まるドアに、ご注意ください。");

const QString E1 = QStringLiteral("Attention all passengers. Soon, the train going to ");
const QString E2 = QStringLiteral(" will be arriving on track number ");
const QString E3 = QStringLiteral(". Please, stand behind the white line. Thank you for using ");
const QString E4 = QStringLiteral("Attention all passengers. This is the last stopping station for the train arriving on track number ");
const QString E5 = QStringLiteral(". Please, keep in mind that you can not get on this train. thank you.");
const QString E6 = QStringLiteral("Attention all passengers. Soon, an express train will be passing through track number ");
const QString E7 = QStringLiteral(". ");
const QString E8 = QStringLiteral(". Transfers to ");
const QString E9 = QStringLiteral(". Stand clear of the openning doors and watch your step. Thank you for using ");
const QString E10 = QStringLiteral(". Stand clear ofthe openning doors and watch your step. thank you for using ");
const QString E11 = QStringLiteral("Attention all passengers. The train departing from track number ");
const QString E12 = QStringLiteral(", will be going to ");
const QString E13 = QStringLiteral(". Stand clear of the closing doors.");

}  // namespace

AnnouncementKind announcementKind(bool moving, int mark, bool stopsHere, int second)
{
    if (moving) {
        if (mark == 1)
            return AnnouncementKind::Approach;
        if (mark == 0)
            return stopsHere ? AnnouncementKind::Terminating : AnnouncementKind::Passing;
        return AnnouncementKind::None;
    }
    if (second != 50)
        return AnnouncementKind::Arrival;
    return mark == 1 ? AnnouncementKind::Departure : AnnouncementKind::None;
}

QString japaneseAnnouncement(AnnouncementKind kind, const AnnouncementValues& v)
{
    switch (kind) {
    case AnnouncementKind::Approach:
        return J1 + v.track + J2 + v.destination + J3;
    case AnnouncementKind::Terminating:
        return J1 + v.track + J4;
    case AnnouncementKind::Passing:
        return J1 + v.track + (v.rapidPassing ? J5a : J5b);
    case AnnouncementKind::Arrival:
        if (v.transfers.isEmpty())
            return v.station + J6 + v.station + J7;
        return v.station + J6 + v.station + J6 + v.transfers + J8;
    case AnnouncementKind::Departure:
        return v.track + J9 + v.destination + J10;
    case AnnouncementKind::None:
        break;
    }
    return QString();
}

QString englishAnnouncement(AnnouncementKind kind, const AnnouncementValues& v)
{
    switch (kind) {
    case AnnouncementKind::Approach:
        return E1 + v.englishNeighbour + E2 + v.track + E3 + v.englishLine;
    case AnnouncementKind::Terminating:
        return E4 + v.track + E5;
    case AnnouncementKind::Passing:
        return E6 + v.track + E3 + v.englishLine;
    case AnnouncementKind::Arrival:
        // Transfers are mentioned when there are Japanese ones.
        if (!v.transfers.isEmpty())
            return v.englishStation + E7 + v.englishStation + E8 + v.englishTransfers + E9 + v.englishLine;
        return v.englishStation + E7 + v.englishStation + E10 + v.englishLine;
    case AnnouncementKind::Departure:
        return E11 + v.track + E12 + v.englishNeighbour + E13;
    case AnnouncementKind::None:
        break;
    }
    return QString();
}
