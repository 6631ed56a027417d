#include "tools/agent/control.h"

#include <sys/stat.h>

#include <cstdio>

#include "tools/agent/textformat.h"

namespace vrxagent {

void ControlFile::Poll()
{
    struct stat st;
    if (path_.empty() || stat(path_.c_str(), &st) != 0) return;
    if (st.st_size < offset_) {  // replaced by a shorter file: start again
        offset_ = 0;
        line_ = 0;
        partial_.clear();
    }
    if (st.st_size == offset_) return;
    std::FILE* f = std::fopen(path_.c_str(), "rb");
    if (!f) return;
    std::string text;
    if (std::fseek(f, static_cast<long>(offset_), SEEK_SET) == 0) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    }
    std::fclose(f);
    offset_ += static_cast<long long>(text.size());
    partial_ += text;
    size_t start = 0, nl;
    while ((nl = partial_.find('\n', start)) != std::string::npos) {
        std::string line = partial_.substr(start, nl - start);
        start = nl + 1;
        ControlAck ack;
        ack.line = ++line_;
        std::string why;
        ack.ok = ApplyLine(state_, line, false, &why);
        ack.reason = why;
        ack_(FormatControlAck(ack));
    }
    partial_.erase(0, start);
}

}  // namespace vrxagent
