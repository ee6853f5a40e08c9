#include "common/reply_queue.h"

#include <cstdio>
#include <deque>

namespace {
std::deque<std::string> queued;
}

void GCqueueReply(const std::string& text) { queued.push_back(text); }

void GCclearReplies() { queued.clear(); }

bool GCnextReply(std::string* reply) {
  fflush(stdout);
  reply->clear();
  if (!queued.empty()) {
    *reply = queued.front();
    queued.pop_front();
    return true;
  }
  int c;
  bool any = false;
  while ((c = getchar()) != EOF) {
    any = true;
    if (c == '\n') return true;
    reply->push_back(static_cast<char>(c));
  }
  return any;
}
