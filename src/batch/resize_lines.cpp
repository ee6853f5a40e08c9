#include "batch/resize_lines.h"

#include <string>

#include "batch/batch_lines.h"
#include "common/reply_queue.h"
#include "compact/process_options.h"
#include "flow/resize_driver.h"

bool BAoptionLine(const char* args, int lineno) {
  std::string text = args;
  size_t cut = text.find_first_of(" \t");
  if (cut == std::string::npos) {
    BAlineError(lineno, "needs an option name and a value:", "option");
    return false;
  }
  std::string name = text.substr(0, cut);
  std::string value = text.substr(text.find_first_not_of(" \t", cut));
  const char* why = "";
  if (!RSsetOption(name.c_str(), value.c_str(), &why)) {
    BAlineError(lineno, why, name.c_str());
    return false;
  }
  return true;
}

bool BAresizeLine(const char* args, int lineno) {
  std::string choice = args;
  if (choice.empty()) {  // as the menu would: asks unless PROCESS_OPTION forces a choice
    resize();
    return true;
  }
  if (choice.size() != 2 || !RSvalidChoice(choice[0], choice[1])) {
    BAlineError(lineno, "needs a process choice of two characters (10 for the LP back end):", "resize");
    return false;
  }
  RSresizeWithChoice(choice.c_str());
  return true;
}

bool BAanswerLine(const char* args, int /*lineno*/) {
  GCqueueReply(args);
  return true;
}
