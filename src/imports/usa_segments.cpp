#include "imports/usa_segments.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/document.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// The airports as the crew-tracking system's list gives them, duplicates
// included.
constexpr std::string_view kUsAirports =
    "ABR-ABI-CAK-ALB-ABQ-ESF-ABE-APN-AMA-ANC-ATW-AVL-ASE-ATL-AIY-AGS-AUS-BFL-BWI-BGR-"
    "BRW-BTR-MBS-BPT-BED-BJI-BEH-BET-ABE-BIL-BIX-BGM-BHM-BIS-BMI-BLF-BOI-BOS-WBU-BWG-"
    "BZN-BRD-TRI-BRO-BUF-IFP-BUR-BTV-BTM-CAK-CID-CMI-CHS-CRW-CLT-CHA-CYS-CHI-MDW-ORD-"
    "CVG-CKB-CLE-CVN-CLL-COS-COU-CAE-CSG-GTR-CMH-CCR-CNK-CDV-CRP-DFW-DAY-DAB-DEN-DSM-"
    "DTT-DTW-DUJ-DBQ-DLH-RDU-DRO-RDU-DUT-ABE-EAU-ELD-IPL-ELP-ELM-ERI-ESC-EUG-EVV-FAI-"
    "FAR-FYV-FLG-FNT-FLO-FOD-FLL-RSW-FSM-VPS-FWA-DFW-FKL-FAT-GNV-GCK-GYY-GCC-GGW-GCN-"
    "GFK-GJT-GRR-GPZ-GTF-GRB-GSO-GLH-GSP-GPT-GUC-SUN-HNS-PHF-HNM-PAK-CMX-HRL-MDT-HRO-"
    "HDN-BDL-HIB-GSO-ITO-HHH-HBB-HOM-HNL-MKK-HOT-HOU-HOU-IAH-HSV-HON-IDA-IND-INL-IMT-"
    "IWD-ISP-JAN-MKL-JAC-JAX-OAJ-JVL-TRI-JLN-JNU-AZO-MCI-LIH-EEN-KTN-EYW-ILE-TRI-IRK-"
    "LMT-TYS-ADQ-KOA-LSE-LAF-LFT-LCH-LNY-LNS-LAN-LAR-LRD-LAS-PIB-LAW-LEX-LNK-LIT-LGB-"
    "GGG-LAX-SDF-LBB-MCN-MSN-MHT-MHK-MKT-MQT-MCW-OGG-MFE-MFR-MLB-MEM-MEI-MIA-MBS-MAF-"
    "MKE-MSP-MOT-MOB-MLI-MLU-MRY-MGM-MWH-MSL-MKG-MYR-ACK-APF-BNA-HVN-MSY-NYC-JFK-LGA-"
    "EWR-SWF-PHF-OME-ORF-OAK-MAF-OKC-OMA-ONT-SNA-MCO-OSH-OWB-OXR-PAH-PSP-PFN-PLN-PNS-"
    "PIA-PHL-PHX-PIR-PIP-PIT-PLB-PSE-BPT-PWM-PDX-PVD-UIN-RDU-RDG-RNO-RHI-RIC-ROA-RST-"
    "ROC-RFD-ROW-SMF-MBS-STC-SGU-STL-SLC-SJT-SAT-SAN-SFO-SJC-SJU-SBP-SNA-SBA-SAF-SMX-"
    "SRQ-CIU-SAV-SEA-SHV-SUX-FSD-SIT-SBN-GSP-GEG-SPI-SGF-SCE-SBS-CWA-SWF-SUN-SYR-TLH-"
    "TPA-HUF-TXK-TVF-TOL-FOE-TVC-TUS-TUL-TUP-TCL-TWF-TYR-CMI-UCA-EGE-VDZ-VLD-VPS-ACT-"
    "ALW-WAS-IAD-DCA-ALO-ATY-CWA-PBI-HPN-ICT-SPS-AVP-PHF-IPT-ISN-ORH-YKM-YAK-YUM-YNG-";
static_assert(kUsAirports.size() == 1440, "360 entries of 4 characters");

}  // namespace

bool IsUsAirport(std::string_view code) {
  // Every entry is three capital letters: a table of all such codes answers
  // in one look-up what a walk along the list would.
  constexpr auto kLetters = 26;
  const auto indexOf = [](std::string_view text) -> int {
    int index = 0;
    for (const char c : text) {
      if (c < 'A' || c > 'Z') return -1;
      index = index * kLetters + (c - 'A');
    }
    return index;
  };
  static const std::vector<bool> kTable = [&indexOf] {
    std::vector<bool> table(kLetters * kLetters * kLetters, false);
    for (std::size_t i = 0; i + 3 < kUsAirports.size(); i += 4)
      if (const int at = indexOf(kUsAirports.substr(i, 3)); at >= 0)
        table[static_cast<std::size_t>(at)] = true;
    return table;
  }();
  if (code.size() != 3) return false;
  const int index = indexOf(code);
  return index >= 0 && kTable[static_cast<std::size_t>(index)];
}

void ScanUsaSegments(TDocument& doc, Ui& ui) {
  const int last = std::clamp(doc.LastPair, -1, kPairSlots - 1);
  for (int p = 0; p <= last; ++p) doc.pair(p).UsaSegments = 0;

  // Whether any of the list's entries occurs in a text does not depend on the
  // order in which the entries are tried, and the marker holds no "-", so one
  // pass over each text at its "-"s finds what trying entry after entry would.
  std::unique_ptr<Progress> progress =
      ui.progress("Scanning for USA Segments", "Completed %d of %d");
  if (progress) progress->setRange(last + 1);
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc.pair(p);
    const std::string_view text = pair.DisplayText;
    for (std::size_t dash = text.find('-', 3); dash != std::string_view::npos;
         dash = text.find('-', dash + 1)) {
      if (IsUsAirport(text.substr(dash - 3, 3))) {
        pair.DisplayText += kUsaSegmentMarker;
        NoteDisplayText(pair);
        pair.UsaSegments = 1;
        break;
      }
    }
    if (progress) progress->setPosition(p + 1);
  }
}

}  // namespace lumora
