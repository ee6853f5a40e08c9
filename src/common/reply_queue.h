// Replies to questions asked on standard input. A script (or a test) queues
// replies beforehand; the next question takes the oldest queued reply before
// it reads standard input, so a script read from standard input never has
// its own lines taken as answers.
#pragma once
#include <string>

// Adds one reply (one line of text, without its newline).
void GCqueueReply(const std::string& text);
// The next reply: the oldest queued one, else one line of standard input
// (without the newline). False at the end of standard input with nothing
// queued.
bool GCnextReply(std::string* reply);
// Drops every queued reply.
void GCclearReplies();
