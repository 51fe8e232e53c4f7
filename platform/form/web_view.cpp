// The hidden web view: it loads the address it is pointed at, so that the forum's cookies reach
// the process-wide cookie store, and shows nothing.

#include "platform/form/web_view.h"

#include <QUrl>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/form/control_registry.h"
#include "platform/inet/inet.h"

namespace pindora {
namespace {

constexpr std::string_view kAgent = "Mozilla/5.0 (X11; Linux x86_64) Pindora/2.0";

struct Fetches {
    std::mutex mutex;
    std::vector<inet::CancelTokenPtr> running;
};

Fetches& fetches() {
    static Fetches all;
    return all;
}

void fetch(const std::string& host, int port, const std::string& pathAndQuery) {
    inet::Session* session = inet::openSession(kAgent, "");
    inet::Connection* connection = inet::connect(session, host, port);
    inet::Request* request =
        connection != nullptr ? inet::openRequest(connection, "GET", pathAndQuery, "HTTP/1.1", inet::kReload) : nullptr;
    if (request != nullptr && inet::send(request, "", nullptr)) {
        char buffer[16384];
        while (inet::readBody(request, buffer, sizeof buffer) > 0) {
        }
    }
    if (request != nullptr) inet::close(request);
    if (connection != nullptr) inet::close(connection);
    inet::close(session);
}

}  // namespace

void navigateWebView(ControlRef webView, const Text& address) {
    {
        ControlRegistry& registry = controlRegistry();
        std::lock_guard lock(registry.mutex);
        const ControlRecord* record = registry.find(webView);
        if (record == nullptr || record->kind != ControlKind::WebView) return;
    }
    const QUrl url(toQString(address));
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty()) return;
    const std::string host = url.host().toStdString();
    const int port = url.port(80);
    const std::string path = url.path(QUrl::FullyEncoded).isEmpty()
                                 ? std::string("/")
                                 : url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded |
                                                QUrl::RemoveFragment)
                                       .toStdString();
    auto token = std::make_shared<inet::CancelToken>();
    {
        std::lock_guard lock(fetches().mutex);
        fetches().running.push_back(token);
    }
    startThread([token, host, port, path] {
        {
            inet::ScopedCancelToken scoped(token);
            fetch(host, port, path);
        }
        std::lock_guard lock(fetches().mutex);
        std::erase(fetches().running, token);
    });
}

void cancelWebViewFetches() {
    std::lock_guard lock(fetches().mutex);
    for (const auto& token : fetches().running) token->cancel();
}

}  // namespace pindora
