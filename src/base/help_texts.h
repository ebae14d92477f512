#pragma once
// Help and hint texts composed from several catalogue texts. Captions filled
// in are always the catalogue's own captions, so help names the controls
// exactly as the main window labels them.

#include <string>

namespace lg {

std::string IntroductionText();
std::string GettingStartedText();
std::string StartupText();
std::string ProgramErrorText();
std::string ErrorReportHint();
std::string TruncationNote();
std::string ChartDepthWarning();
std::string DescendantWindowHelp();
std::string OffspringWindowHelp();
std::string PedigreeWindowHelp();
std::string InbreedingWindowHelp();
std::string KinshipWindowHelp();
std::string SelectionHelp();
std::string PedigreeHelp();
std::string PedigreeOutputHelp();
std::string KinshipHelp();
std::string KinshipOutputHelp();
std::string InbreedingHelp();
std::string InbreedingOutputHelp();
std::string GenealogyHelp();
std::string GenealogyOutputHelp();
std::string OffspringHelp();
std::string OffspringOutputHelp();

// Where users send reports of program errors.
inline constexpr const char* kContactEmail = "support@lignorama.org";

}  // namespace lg
