#include "app/reference_tables.h"

namespace tirovane {

namespace {

constexpr ReferenceTables Tables = {
    {{
        {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
        {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
        {"Atlantic Standard Time,AST,-4.0", 4, 0},
        {"Atlantic War Time,AWT,-3.0", 3, 0},
        {"Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {"Australian Central Standard Time,ACST,+9.5", -9, -30},
        {"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
        {"Australian Eastern Standard Time,AEST,+10.0", -10, 0},
        {"Australian Western Daylight Time,AWDT,+9.0", -9, 0},
        {"Australian Western Standard Time,AWST,+8.0", -8, 0},
        {"Azores Time, AT, -2.0", 2, 0},
        {"Baghdad Time, BAT, +3.0", -3, 0},
        {"Bering Standard Time,BET,-11.0", 11, 0},
        {"Brazil Zone 2,BZT2,-3.0", 3, 0},
        {"British Double Summer Time,BDST,+2.0", -2, 0},
        {"British Summer Time,BST,+1.0", -1, 0},
        {"British War Time,BWT,+2.0", -2, 0},
        {"Central Daylight Time,CDT,-5.0", 5, 0},
        {"Central European Daylight,CED,+2.0", -2, 0},
        {"Central European Time,CET,+1.0", -1, 0},
        {"Central Standard Time,CST,-6.0", 6, 0},
        {"Central War Time,CWT,-5.0", 5, 0},
        {"China Coast Time,CCT,+8.0", -8, 0},
        {"Eastern Daylight Time,EDT,-4.0", 4, 0},
        {"Eastern European Daylight Time,EED,+3.0", -3, 0},
        {"Eastern European Time,EET,+2.0", -2, 0},
        {"Eastern Standard Time,EST,-5.0", 5, 0},
        {"Eastern War Time,EWT,-4.0", 4, 0},
        {"Greenwich Mean Time,GMT,0.0", 0, 0},
        {"Guam Standard Time,GST,+10.0", -10, 0},
        {"Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {"Hawaiian Standard Time,HST,-10.5", 10, 30},
        {"Hawaiian War Time,HWT,-9.5", 9, 30},
        {"Indian Time, IST, +5.3", -5, -30},
        {"Int'l Date Line East,IDLE,+12.0", -12, 0},
        {"Int'l Date Line West,IDLW,-12.0", 12, 0},
        {"Iran Time, IT, +3.5", -3, -30},
        {"Japan Standard Time,JST,+9.0", -9, 0},
        {"Java Time, JT, +7.5", -7, -30},
        {"Middle European Daylight Time,MED,+2.0", -2, 0},
        {"Middle European Time,MET,+1.0", -1, 0},
        {"Moluccas Time, MT, +8.5", -8, -30},
        {"Mountain Daylight Time,MDT,-6.0", 6, 0},
        {"Mountain Standard Time,MST,-7.0", 7, 0},
        {"Mountain War Time,MWT,-6.0", 6, 0},
        {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {"New Zealand Std Time,NZT,+12.0", -12, 0},
        {"New Zealand Summer Time,NZS,+12.5", -12, -30},
        {"New Zealand Time,NZ,+11.5", -11, -30},
        {"Newfoundland Standard Time,NST,-3.5", 3, 30},
        {"Nome Time, NT, -11.0", 11, 0},
        {"North Sumatra Time,NST,+6.5", -6, -30},
        {"Pacific Daylight Time,PDT,-7.0", 7, 0},
        {"Pacific Standard Time,PST,-8.0", 8, 0},
        {"Pacific War Time,PWT,-7.0", 7, 0},
        {"South Australia Daylight Time,SAD,+10.5", -10, -30},
        {"South Australia Daylight Time,SDT,+10.5", -10, -30},
        {"South Australia Standard Time,SAST,+9.5", -9, -30},
        {"South Australia Standard Time,SAT,+9.5", -9, -30},
        {"South Sumatra Time,SST,+7.0", -7, 0},
        {"Universal Time, UT, 0.0", 0, 0},
        {"USSR Zone 10,UZ10,+11.0", -11, 0},
        {"USSR Zone 3,USZ3,+4.0", -4, 0},
        {"USSR Zone 4,USZ4,+5.0", -5, 0},
        {"USSR Zone 5,USZ5,+6.0", -6, 0},
        {"USSR Zone 6,USZ6,+7.0", -7, 0},
        {"West Africa Time,WAT,-1.0", 1, 0},
        {"Yukon Daylight Time,YDT,-8.0", 8, 0},
        {"Yukon Standard Time,YST,-9.0", 9, 0},
        {"Yukon War Time,YWT,-8.0", 8, 0},
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
