#include "app/Form1.h"

// Placeholder until the search run lands.
namespace tarnwick {

void Form1::Command1_Click() {}
void Form1::Command2_Click() {}
void Form1::Command4_Click() {}
void Form1::Form_QueryUnload() {}
void Form1::C1C() { Command1_Click(); }
std::int32_t Form1::CheckDir(const Str&) { return 0; }
Str Form1::GetDirFromDirOrFile(const Str&) { return Str(); }
void Form1::GetALLDirSize(const Str&) {}
void Form1::GoUp() {}
void Form1::ProgFileSize(const Str&, double, double, bool&) {}

}  // namespace tarnwick
