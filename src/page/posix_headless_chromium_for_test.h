// Test support: a headless Chromium driven through its DevTools protocol over
// a pair of pipes (--remote-debugging-pipe: the browser reads commands on
// descriptor 3 and writes replies and events on descriptor 4, each message
// ended by a NUL byte), so that a test can open a page from disk and ask the
// browser what it shows. Header-only, so it never lands in the library.
#ifndef PHOTOPAGES_PAGE_POSIX_HEADLESS_CHROMIUM_FOR_TEST_H_
#define PHOTOPAGES_PAGE_POSIX_HEADLESS_CHROMIUM_FOR_TEST_H_

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/posix_child_process_for_test.h"

namespace photopages {

class HeadlessChromium {
 public:
  static constexpr const char* kExecutable = "/usr/bin/chromium";

  static bool Available() { return access(kExecutable, X_OK) == 0; }

  // Starts the browser with a fresh profile in `profile_folder` (an empty
  // folder), its own output going to `log_path`. Throws std::runtime_error.
  HeadlessChromium(const std::string& profile_folder,
                   const std::string& log_path) {
    int commands[2], replies[2];
    if (pipe2(commands, O_CLOEXEC) != 0 || pipe2(replies, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe2 failed");
    }
    command_fd_ = commands[1];
    reply_fd_ = replies[0];
    // Moved above 4 first, so that the dup2 onto 3 and 4 below always makes
    // a new descriptor that the browser inherits.
    int browser_reads = fcntl(commands[0], F_DUPFD_CLOEXEC, 10);
    int browser_writes = fcntl(replies[1], F_DUPFD_CLOEXEC, 10);
    close(commands[0]);
    close(replies[1]);

    try {
      browser_.emplace(
          std::vector<std::string>{
              kExecutable,
              "--headless",
              "--no-sandbox",
              "--disable-gpu",
              "--disable-background-networking",
              "--disable-component-update",
              "--disable-sync",
              "--no-first-run",
              "--user-data-dir=" + profile_folder,
              "--remote-debugging-pipe",
          },
          ChildSetup{
              .descriptors = {{.fd = 0, .path = "/dev/null", .flags = O_RDONLY},
                              {.fd = 1,
                               .path = log_path,
                               .flags = O_WRONLY | O_CREAT | O_TRUNC},
                              {.fd = 2, .from = 1},
                              {.fd = 3, .from = browser_reads},
                              {.fd = 4, .from = browser_writes}},
              .own_process_group = true});
    } catch (const std::runtime_error&) {
      close(browser_reads);
      close(browser_writes);
      Close();
      throw;
    }
    close(browser_reads);
    close(browser_writes);
    // A browser that dies must fail the test, not kill it on the next write.
    signal(SIGPIPE, SIG_IGN);
  }

  HeadlessChromium(const HeadlessChromium&) = delete;
  HeadlessChromium& operator=(const HeadlessChromium&) = delete;

  // Asks the browser to close, and ends its whole process group when it has
  // not gone within a few seconds.
  ~HeadlessChromium() {
    try {
      Send("Browser.close", "{}", "");
    } catch (const std::runtime_error&) {
    }
    browser_->WaitForEnd(std::chrono::seconds(10));
    Close();
  }

  // Opens `url` in a new tab, waits for its load event (which waits for the
  // page's images), and returns the string that `expression` gives there.
  // The string must not hold a double quote or a backslash. Throws
  // std::runtime_error on a protocol error or after 60 seconds.
  std::string EvaluateAfterLoad(const std::string& url,
                                const std::string& expression) {
    std::string target = Field(
        Await(Send("Target.createTarget", R"({"url":"about:blank"})", "")),
        "targetId");
    std::string session = Field(
        Await(Send("Target.attachToTarget",
                   R"({"targetId":")" + target + R"(","flatten":true})", "")),
        "sessionId");
    Await(Send("Page.enable", "{}", session));
    Await(Send("Page.navigate", R"({"url":)" + JsonString(url) + "}", session));
    AwaitEvent("Page.loadEventFired", session);
    std::string reply =
        Await(Send("Runtime.evaluate",
                   R"({"expression":)" + JsonString(expression) +
                       R"(,"returnByValue":true})",
                   session));
    Await(
        Send("Target.closeTarget", R"({"targetId":")" + target + R"("})", ""));
    return Field(reply, "value");
  }

  // `path` (absolute, UTF-8) as a file URL, every byte outside the unreserved
  // ASCII set percent-encoded.
  static std::string FileUrl(const std::string& path) {
    std::string url = "file://";
    for (unsigned char c : path) {
      if (isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' ||
          c == '~') {
        url += static_cast<char>(c);
      } else {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        url += escaped;
      }
    }
    return url;
  }

 private:
  static std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (unsigned char c : text) {
      if (c == '"' || c == '\\') {
        json += '\\';
        json += static_cast<char>(c);
      } else if (c < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        json += escaped;
      } else {
        json += static_cast<char>(c);
      }
    }
    return json + "\"";
  }

  // The text of the first string member `name` in `message`.
  static std::string Field(const std::string& message,
                           const std::string& name) {
    std::string key = "\"" + name + "\":\"";
    size_t start = message.find(key);
    if (start == std::string::npos) {
      throw std::runtime_error("no " + name + " in " + message);
    }
    start += key.size();
    return message.substr(start, message.find('"', start) - start);
  }

  int Send(const std::string& method, const std::string& params,
           const std::string& session) {
    int id = ++last_id_;
    std::string message = "{\"id\":" + std::to_string(id) + ",\"method\":\"" +
                          method + "\",\"params\":" + params;
    if (!session.empty()) message += ",\"sessionId\":\"" + session + "\"";
    message += "}";
    message += '\0';
    for (size_t done = 0; done < message.size();) {
      ssize_t n =
          write(command_fd_, message.data() + done, message.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw std::runtime_error("the browser has gone: " + method);
      done += n;
    }
    return id;
  }

  // The reply to command `id`; throws when it is an error. Events that come
  // first are kept for AwaitEvent.
  std::string Await(int id) {
    std::string prefix = "{\"id\":" + std::to_string(id) + ",";
    for (;;) {
      std::string message = ReadMessage();
      if (message.rfind(prefix, 0) != 0) {
        if (message.find("\"method\":") != std::string::npos) {
          events_.push_back(std::move(message));
        }
        continue;
      }
      if (message.find("\"result\":") == std::string::npos ||
          message.find("\"exceptionDetails\":") != std::string::npos) {
        throw std::runtime_error(message);
      }
      return message;
    }
  }

  // Waits for the event `method` of `session`, which may have come already.
  void AwaitEvent(const std::string& method, const std::string& session) {
    std::string name = "\"method\":\"" + method + "\"";
    std::string of_session = "\"sessionId\":\"" + session + "\"";
    for (size_t seen = 0;; ++seen) {
      if (seen == events_.size()) events_.push_back(ReadMessage());
      const std::string& event = events_[seen];
      if (event.find(name) != std::string::npos &&
          event.find(of_session) != std::string::npos) {
        events_.clear();
        return;
      }
    }
  }

  std::string ReadMessage() {
    auto deadline = started_ + std::chrono::seconds(60);
    for (;;) {
      size_t end = buffer_.find('\0');
      if (end != std::string::npos) {
        std::string message = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return message;
      }
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd ready = {reply_fd_, POLLIN, 0};
      int polled = left.count() > 0 ? poll(&ready, 1, left.count()) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled <= 0) {
        throw std::runtime_error("the browser did not answer in time");
      }
      char chunk[65536];
      ssize_t n = read(reply_fd_, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw std::runtime_error("the browser has gone");
      buffer_.append(chunk, n);
    }
  }

  void Close() {
    if (command_fd_ >= 0) close(command_fd_);
    if (reply_fd_ >= 0) close(reply_fd_);
    command_fd_ = reply_fd_ = -1;
  }

  int command_fd_ = -1;
  int reply_fd_ = -1;
  int last_id_ = 0;
  std::string buffer_;
  std::vector<std::string> events_;
  std::chrono::steady_clock::time_point started_ =
      std::chrono::steady_clock::now();
  // Last, so that the browser is ended before anything else goes.
  std::optional<ChildProcess> browser_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_POSIX_HEADLESS_CHROMIUM_FOR_TEST_H_
