#include "app/reference_tables.h"

#include "texts/marker.h"

namespace tirovane {

namespace {

constexpr ReferenceTables Tables = {
    {{
        {QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii Daylight Time,AHDT,-9.0"), 9, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii Standard Time,AHST,-10.0"), 10, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii War Time,AHWT,-9.0"), 9, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Atlantic Standard Time,AST,-4.0"), 4, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Atlantic War Time,AWT,-3.0"), 3, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Australian Central Daylight Time,ACDT,+10.5"), -10, -30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Australian Central Standard Time,ACST,+9.5"), -9, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Australian Eastern Daylight Time,AEDT,+11.0"), -11, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Australian Eastern Standard Time,AEST,+10.0"), -10, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Australian Western Daylight Time,AWDT,+9.0"), -9, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Australian Western Standard Time,AWST,+8.0"), -8, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Azores Time, AT, -2.0"), 2, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Baghdad Time, BAT, +3.0"), -3, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Bering Standard Time,BET,-11.0"), 11, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Brazil Zone 2,BZT2,-3.0"), 3, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "British Double Summer Time,BDST,+2.0"), -2, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "British Summer Time,BST,+1.0"), -1, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "British War Time,BWT,+2.0"), -2, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Central Daylight Time,CDT,-5.0"), 5, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Central European Daylight,CED,+2.0"), -2, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Central European Time,CET,+1.0"), -1, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Central Standard Time,CST,-6.0"), 6, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Central War Time,CWT,-5.0"), 5, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "China Coast Time,CCT,+8.0"), -8, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Eastern Daylight Time,EDT,-4.0"), 4, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Eastern European Daylight Time,EED,+3.0"), -3, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Eastern European Time,EET,+2.0"), -2, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Eastern Standard Time,EST,-5.0"), 5, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Eastern War Time,EWT,-4.0"), 4, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Greenwich Mean Time,GMT,0.0"), 0, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Guam Standard Time,GST,+10.0"), -10, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Hawaiian Daylight Time,HDT,-9.5"), 9, 30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Hawaiian Standard Time,HST,-10.5"), 10, 30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Hawaiian War Time,HWT,-9.5"), 9, 30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Indian Time, IST, +5.3"), -5, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Int'l Date Line East,IDLE,+12.0"), -12, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Int'l Date Line West,IDLW,-12.0"), 12, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Iran Time, IT, +3.5"), -3, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Japan Standard Time,JST,+9.0"), -9, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Java Time, JT, +7.5"), -7, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Middle European Daylight Time,MED,+2.0"), -2, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Middle European Time,MET,+1.0"), -1, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Moluccas Time, MT, +8.5"), -8, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Mountain Daylight Time,MDT,-6.0"), 6, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Mountain Standard Time,MST,-7.0"), 7, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Mountain War Time,MWT,-6.0"), 6, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "New Zealand Std Summer Time,NZST,+13.0"), -13, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "New Zealand Std Time,NZT,+12.0"), -12, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "New Zealand Summer Time,NZS,+12.5"), -12, -30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "New Zealand Time,NZ,+11.5"), -11, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Newfoundland Standard Time,NST,-3.5"), 3, 30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Nome Time, NT, -11.0"), 11, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "North Sumatra Time,NST,+6.5"), -6, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Pacific Daylight Time,PDT,-7.0"), 7, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Pacific Standard Time,PST,-8.0"), 8, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Pacific War Time,PWT,-7.0"), 7, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "South Australia Daylight Time,SAD,+10.5"), -10, -30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "South Australia Daylight Time,SDT,+10.5"), -10, -30, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "South Australia Standard Time,SAST,+9.5"), -9, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "South Australia Standard Time,SAT,+9.5"), -9, -30, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "South Sumatra Time,SST,+7.0"), -7, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Universal Time, UT, 0.0"), 0, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "USSR Zone 10,UZ10,+11.0"), -11, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "USSR Zone 3,USZ3,+4.0"), -4, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "USSR Zone 4,USZ4,+5.0"), -5, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "USSR Zone 5,USZ5,+6.0"), -6, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "USSR Zone 6,USZ6,+7.0"), -7, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "West Africa Time,WAT,-1.0"), 1, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Yukon Daylight Time,YDT,-8.0"), 8, 0, ZoneKind::Ahead},
        {QT_TRANSLATE_NOOP("Zones", "Yukon Standard Time,YST,-9.0"), 9, 0, ZoneKind::Standard},
        {QT_TRANSLATE_NOOP("Zones", "Yukon War Time,YWT,-8.0"), 8, 0, ZoneKind::Ahead},
    }},
    {{
        {0, "Aswini", "Ketu", "4"},
        {1, "Bharani", "Venus", "4"},
        {2, "Krittika", "Sun", "1"},
        {2, "Krittika", "Sun", "3"},
        {3, "Rohini", "Moon", "4"},
        {4, "Mrigsira", "Mars", "2"},
        {4, "Mrigsira", "Mars", "2"},
        {5, "Ardra", "Rahu", "4"},
        {6, "Punarvasu", "Jupiter", "3"},
        {6, "Punarvasu", "Jupiter", "1"},
        {7, "Pushya", "Saturn", "4"},
        {8, "Aslesha", "Mercury", "4"},
        {9, "Magha", "Ketu", "4"},
        {10, "Purbha Phalguni", "Venus", "4"},
        {11, "Uttara Phalguni", "Sun", "1"},
        {11, "Uttara Phalguni", "Sun", "3"},
        {12, "Hasta", "Moon", "4"},
        {13, "Chitra", "Mars", "2"},
        {13, "Chitra", "Mars", "2"},
        {14, "Swati", "Rahu", "4"},
        {15, "Vishakha", "Jupiter", "3"},
        {15, "Vishakha", "Jupiter", "1"},
        {16, "Anuradha", "Saturn", "4"},
        {17, "Jyeshtha", "Mercury", "4"},
        {18, "Mula", "Ketu", "4"},
        {19, "Purva Ashadha", "Venus", "4"},
        {20, "Uttara Ashadha", "Sun", "1"},
        {20, "Uttara Ashadha", "Sun", "3"},
        {21, "Shravana", "Moon", "4"},
        {22, "Dhanistha", "Mars", "2"},
        {22, "Dhanishtha", "Mars", "2"},
        {23, "Shatbisha", "Rahu", "4"},
        {24, "Poorva Bhadrapada", "Jupiter", "3"},
        {24, "Poorva Bhadrapada", "Jupiter", "1"},
        {25, "Uttara Bhadrapada", "Saturn", "4"},
        {26, "Revati", "Mercury", "4"},
    }},
};

} // namespace

const ReferenceTables& LoadReferenceTables() {
    return Tables;
}

std::optional<NakshatraLordLookup> LookUpNakshatraLord(int nakshatra) {
    for (const NakshatraSegment& segment : LoadReferenceTables().NakshatraSegments) {
        if (segment.Nakshatra == nakshatra) {
            return NakshatraLordLookup{std::string(segment.SegmentLord),
                                       std::string(segment.PadaCount)};
        }
    }
    return std::nullopt;
}

} // namespace tirovane
