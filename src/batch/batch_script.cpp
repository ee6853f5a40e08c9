#include "batch/batch_script.h"

#include <cstring>
#include <string>
#include <vector>

#include "batch/batch_frontend.h"
#include "batch/batch_lines.h"
#include "batch/line_outcome.h"
#include "event/event.h"
#include "interface/accept.h"
#include "interface/action_table.h"

namespace {
std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// Splits "word rest" at the first blank.
void split(const std::string& text, std::string* word, std::string* rest) {
  size_t cut = text.find_first_of(" \t");
  *word = text.substr(0, cut);
  *rest = cut == std::string::npos ? "" : trim(text.substr(cut));
}

std::vector<char> mutableCopy(const std::string& s) { return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1); }

bool runAction(const std::string& name, const std::string& args, int lineno) {
  if (!DIfindAction(name.c_str())) {
    BAlineError(lineno, "unknown command", name.c_str());
    return false;
  }
  DIcallback cb = DIfindCallback(name.c_str());
  DEendChain();  // as a menu button does
  if (cb.action1) {
    std::vector<char> text = mutableCopy(args);
    cb.action1(text.data());
    return true;
  }
  if (cb.action2) {
    // A command not written yet runs the placeholder whatever its arguments.
    if (!args.empty() && cb.action2 != NullAction) {
      BAlineError(lineno, "takes no arguments:", name.c_str());
      return false;
    }
    cb.action2();
    return true;
  }
  // An `action` handler gets the button label; a dialog it opens is answered
  // with the line's text: the whole argument for a file, the rest for a form.
  std::string label, rest;
  split(args, &label, &rest);
  std::vector<char> labelCopy = mutableCopy(label);
  BAclearPending();
  cb.action(nullptr, labelCopy.data(), nullptr);
  BArequest request = BApending();
  BAclearPending();
  if (request.kind == BA_FILE) {
    if (args.empty()) {
      BAlineError(lineno, "needs a file name:", name.c_str());
      return false;
    }
    DIacceptCB(request.code, args.c_str());
  } else if (request.kind == BA_FORM) {
    if (rest.empty()) {
      BAlineError(lineno, "needs a value after the form label:", name.c_str());
      return false;
    }
    DIacceptCB(request.code, rest.c_str());
  }
  return true;
}
}  // namespace

bool BArunLine(const char* rawLine, int lineno) {
  std::string line = rawLine;
  size_t hash = line.find('#');
  if (hash != std::string::npos) line.erase(hash);
  line = trim(line);
  if (line.empty()) return true;
  std::string word, rest;
  split(line, &word, &rest);
  if (word.rfind("f.", 0) == 0) return runAction(word, rest, lineno);
  if (BAlineHandler handler = BAfindLine(word.c_str())) return handler(rest.c_str(), lineno);
  BAlineError(lineno, "unknown command", word.c_str());
  return false;
}

namespace {
// "f.exit" ends the script here, so that the exit status still tells how the
// lines before it went.
bool isExit(const std::string& rawLine) {
  std::string line = rawLine.substr(0, rawLine.find('#'));
  std::string word, rest;
  split(trim(line), &word, &rest);
  return word == "f.exit" && rest.empty();
}
}  // namespace

BAscriptOutcome BArunScript(FILE* script) {
  BAscriptOutcome outcome;
  int lineno = 0;
  std::string line;
  int c;
  do {
    c = getc(script);
    if (c == EOF || c == '\n') {
      ++lineno;
      if (c != EOF || !line.empty()) {
        if (isExit(line)) break;
        BAstartLine();
        if (!BArunLine(line.c_str(), lineno)) ++outcome.badLines;
        else if (BAlineFailed()) ++outcome.failedLines;
      }
      line.clear();
    } else if (c == '\0') {
      line.push_back(' ');
    } else {
      line.push_back(static_cast<char>(c));
    }
  } while (c != EOF);
  return outcome;
}
