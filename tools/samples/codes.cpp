#include "samples/codes.h"

namespace lumora::samples {

namespace {

constexpr int H(int hours, int minutes = 0) {
  return hours * 60 + minutes;
}

// code, kind, extract, description, start, end, credit, hard, duty, CARS, counts, toolbox
const AssignmentCode kCodes[] = {
    {"GO", 'P', "GO", "Guaranteed Day Off", H(12), H(16), 0, 0, false, false, true, true},
    {"RA", 'P', "RA", "Reserve A", H(3), H(17), 0, 0, true, true, true, true},
    {"RB", 'P', "RB", "Reserve B", H(12), H(2), 0, 0, true, true, true, true},
    {"RCK", 'P', "RK", "Check Pilot Reserve", H(7), H(19), 0, 0, true, true, true, true},
    {"VAC", 'P', "VC", "Vacation", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"VAU", 'P', "VU", "Vacation Unpaid", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"STA", 'P', "SA", "STAT", H(12), H(16), H(4), 0, false, false, true, true},
    {"SDO", 'P', "SO", "DAY OFF IN STAT WK", H(12), H(16), 0, 0, false, false, true, true},
    {"DFD", 'P', "DD", "Duty Free Day", H(12), H(16), H(2), 0, false, false, true, true},
    {"SIM", 'P', "SM", "Simulator Day", H(9), H(15), H(4), 0, true, true, true, true},
    {"SIW", 'P', "74", "Simulator Day OutWin", H(9), H(15), H(4), 0, true, true, false, true},
    {"GS", 'P', "GS", "Ground School", H(8), H(17), H(4), 0, true, true, true, true},
    {"CBT", 'P', "CT", "Computer Based Train", H(8), H(17), H(4), 0, true, true, true, true},
    {"CRM", 'P', "CM", "Crew Resource Mgmt", H(10), H(18), H(4), 0, true, true, true, true},
    {"SEC", 'P', "SC", "Security Train I/W", H(8), H(17), H(4), 0, true, true, true, true},
    {"SEW", 'P', "SW", "Secur Train OutWin", H(8), H(17), H(4), 0, true, true, false, true},
    {"TRN", 'P', "TN", "TRAINING", H(9), H(17), H(4), 0, true, true, true, true},
    {"LCK", 'P', "LC", "Line Check Day", H(7), H(19), H(5, 18), 0, false, false, true, true},
    {"OF", 'P', "OC", "Office Day", H(8), H(17), H(4, 30), 0, true, true, true, true},
    {"COB", 'P', "CB", "Company Business", H(8), H(16), H(4, 30), 0, true, false, true, true},
    {"TVL", 'P', "TL", "Travel Day", H(9), H(17), H(4, 30), 0, true, true, true, true},
    {"LM", 'P', "LM", "Lumora Day", H(9), H(17), H(4, 30), 0, true, false, true, true},
    {"LOA", 'P', "LA", "Leave of Absence", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"MED", 'P', "MD", "Medical Leave", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"MAT", 'P', "MT", "Maternity Leave", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"UTF", 'P', "UF", "Unable to Fly", H(8), H(16), 0, 0, false, false, true, true},
    {"SCK", 'P', "54", "SICK", 0, 0, H(4), 0, false, false, true, true},
    {"OWP", 'P', "52", "OFF WITH PAY", H(12), H(12, 1), 0, 0, false, false, true, true},
    {"ONP", 'P', "OP", "OFF NO PAY", H(12), H(12, 1), 0, 0, false, false, true, true},
    {"WCB", 'P', "64", "WORKERS COMPENSATION", H(12), H(12, 1), 0, 0, false, false, true, false},
    {"LTD", 'P', "LD", "Long Term Disability", H(12), H(12, 1), 0, 0, false, false, true, false},
    {"PSD", 'P', "PD", "Preplanned STD", H(12), H(12, 1), 0, 0, false, false, true, false},

    {"GO", 'C', "GO", "Guaranteed Day Off", H(12), H(16), 0, 0, false, false, true, true},
    {"DOR", 'C', "--", "Day Off Required", H(12), H(16), 0, 0, false, false, true, true},
    {"RA", 'C', "RA", "Reserve A", H(4), H(18), H(4), 0, true, false, true, true},
    {"RB", 'C', "RB", "Reserve B", H(12), H(2), H(4), 0, true, false, true, true},
    {"RE", 'C', "RE", "Reserve Early", H(3), H(17), H(4), 0, true, false, true, true},
    {"RSF", 'C', "67", "Reserve Call First", H(0, 1), H(23, 59), H(4), 0, true, true, true, true},
    {"VAC", 'C', "VC", "Vacation", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"VAU", 'C', "VU", "Vacation Unpaid", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"STA", 'C', "SA", "STAT", H(12), H(16), H(4), 0, false, false, true, true},
    {"STT", 'C', "ST", "Stat Day - Operation", H(12), H(16), H(4), 0, false, false, true, true},
    {"TBK", 'C', "TK", "TIME BANK", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"FAT", 'C', "FT", "FIRST AID", H(9), H(16), H(4, 45), 0, true, false, true, true},
    {"REC", 'C', "RT", "F/A RECURENT TRNG", H(9), H(17), H(4), 0, true, false, false, true},
    {"CRM", 'C', "CM", "CREW RESOURCE MGMT", H(10), H(18), H(4), 0, true, true, false, true},
    {"FRN", 'C', "FN", "FRENCH TRAINING", H(8, 30), H(15, 30), H(4), 0, true, false, true, true},
    {"SEC", 'C', "SC", "Security Training", H(8), H(17), H(4), 0, true, true, true, true},
    {"TRN", 'C', "TN", "Training", H(9), H(17), H(4), 0, true, false, true, true},
    {"INS", 'C', "IS", "F/A TRNG INSTRUCTOR", H(8), H(16), H(5), 0, true, false, true, true},
    {"OF", 'C', "OC", "OFFICE DAY", H(8), H(16), H(4), 0, true, true, true, true},
    {"TVL", 'C', "TL", "Travel Day", H(12), H(16), H(4), 0, true, true, true, true},
    {"LM", 'C', "LM", "Lumora Day", H(8), H(18), H(5), 0, true, false, true, true},
    {"LOA", 'C', "LA", "Leave of Absence", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"MED", 'C', "MD", "Medical Leave", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"MAT", 'C', "MT", "Maternity Leave", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"MOD", 'C', "MW", "Modified Work", H(12), H(13), H(2, 30), 0, false, false, true, true},
    {"UTF", 'C', "UF", "Unable to Fly", H(8), H(16), 0, 0, false, false, true, true},
    {"BEV", 'C', "BV", "Bereavement", 0, 0, 0, 0, false, false, true, true},
    {"OWP", 'C', "H9", "OFF WITH PAY", H(12), H(12, 1), 0, 0, false, false, true, true},
    {"ONP", 'C', "OP", "OFF NO PAY", H(12), H(12, 1), 0, 0, false, false, true, true},
    {"WCB", 'C', "64", "WORKERS COMPENSATION", H(12), H(12, 1), 0, 0, false, false, true, false},
    {"LTD", 'C', "LD", "Long Term Disability", H(12), H(12, 1), 0, 0, false, false, true, false},
    {"PSD", 'C', "PD", "Preplanned STD", H(12), H(12, 1), 0, 0, false, false, true, false},
};

}  // namespace

std::vector<AssignmentCode> AssignmentCodes(char kind) {
  std::vector<AssignmentCode> codes;
  for (const AssignmentCode& c : kCodes) {
    if (c.kind == kind) codes.push_back(c);
  }
  return codes;
}

}  // namespace lumora::samples
