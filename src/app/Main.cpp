#include "app/Main.h"

#include "app/CommandLine.h"

namespace tarnwick {

void Main(StrView fullCommandLine, FormLoader& loader) {
  // The root text is taken as typed: quotation marks stay, nothing is
  // trimmed; the search press validates it like any other text.
  const Str rootText = CommandLineArguments(fullCommandLine);
  // A new Form1 sorts by size, as its rows start out.
  Form1& form = loader.LoadForm1();
  FormView& view = loader.View();
  view.SetText1(rootText);
  view.Show();
  if (!rootText.empty()) form.C1C();
}

}  // namespace tarnwick
