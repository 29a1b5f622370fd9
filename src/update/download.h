#pragma once
// One blocking HTTP GET of a URL into a local file. Window events keep being
// processed while the transfer runs.

#include <QString>

namespace Download {

struct Result {
    bool ok = false;
    int status = 0;          // HTTP status, 0 when none was received
    qint64 bytes = 0;        // body bytes received
    QString error;           // why it failed, for logs and tests
};

// Writes the body to `fileName` only when the answer is complete, has a 2xx
// status and a non-empty body; otherwise no file is created and an existing
// file of that name stays as it was.
Result get(const QString &url, const QString &fileName);

// Number of GET requests issued so far (for diagnostics and tests).
int requestCount();

} // namespace Download

// Base addresses of the outside services. They default to the build-time
// settings; tests point them at a local server.
namespace Urls {
QString updateBase();
QString gathererBase();
QString nederMagicBase();
void setUpdateBase(const QString &base);
void setGathererBase(const QString &base);
void setNederMagicBase(const QString &base);

// Full addresses built from the bases.
QString updateFile(const QString &pathBelowUpdate);   // base + "/update/vellumtrove/" + path
QString gathererImage(const QString &id);
QString gathererPage(const QString &id);
QString nederMagicPage(const QString &id);
} // namespace Urls
