#pragma once
// The pairing editor and the crew complement, the two commands that change
// the pairing table itself rather than the blocks.

namespace lumora {

class LumoraApp;
class PairingValidateDialog;

// A double click in the pairing warnings opens the pairing editor on the
// pairing of that line, editing as the password dialog last decided.
void AttachPairingEditor(PairingValidateDialog& warnings, LumoraApp& app);
// Runs the pairing warnings with the editor attached.
void RunPairingWarnings(LumoraApp& app);

}  // namespace lumora
