#include "app/Form1.h"

// Placeholder until the result rows land.
namespace tarnwick {

void Form1::AddList(const Str&, double, double, double, std::int32_t) {}
void Form1::ReDraw() {}
void Form1::SortAdd() {}
void Form1::SetSimpleSize(int) {}
void Form1::Check1_Click() {}
void Form1::Option1_Click(int) {}

}  // namespace tarnwick
