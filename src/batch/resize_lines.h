// Script lines of the resizer: "option NAME VALUE" sets a process option,
// "resize NN" runs the resizer with NN typed at its process-choice prompt
// ("resize" alone runs it as the pipeline is set, asking unless
// PROCESS_OPTION forces a choice),
// "answer TEXT" queues a reply for the next question on standard input.
#pragma once

bool BAoptionLine(const char* args, int lineno);
bool BAresizeLine(const char* args, int lineno);
bool BAanswerLine(const char* args, int lineno);
