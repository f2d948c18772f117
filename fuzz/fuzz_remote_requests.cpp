// Requests to the remote control as they come off the network, through its rules over the
// whole presentation (a run open on a small script).
//
// Input: lines of the request's parts — method, path with query, Host, Origin,
// X-Quillcast-Token, Authorization — then the body. The first byte's lowest bit says whether
// the server listens beyond this machine. The whole input is also sent as a WebSocket message.
#include "remote/remoteapi.h"
#include "remote/remotestate.h"

#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"

#include "fuzzcheck.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

namespace {

using namespace qc;

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

struct Show : test::PresentationRig {
    Show() : PresentationRig({"'qc-title Fuzz", "One", "", "@qc-set bold=\"1\"", "Two", "", "Three"})
    {
        presentation.subscribe(tracker);
        engine.startRun(controller);
    }
    ~Show() { presentation.unsubscribe(tracker); }

    QStringList stepLog;
    test::RecordingController controller{stepLog, true};
    RemoteStateTracker tracker{script, settings, presentation.look()};
    RemoteAccess access{{QStringLiteral("192.168.1.20")}, 8765, true, kToken};
    RemoteApi api{{presentation.stepOperator(), tracker, access}};
};

RemoteRequest requestOf(QByteArrayView bytes)
{
    QList<QByteArray> parts = QByteArray(bytes.data(), bytes.size()).split('\n');
    while (parts.size() < 7)
        parts << QByteArray();
    RemoteRequest request;
    request.method = parts[0];
    const QString target = QString::fromUtf8(parts[1]);
    const qsizetype question = target.indexOf(u'?');
    request.path = question < 0 ? target : target.left(question);
    request.query = QUrlQuery(question < 0 ? QString() : target.mid(question + 1));
    request.host = parts[2];
    request.origin = parts[3];
    request.token = parts[4];
    request.authorization = parts[5];
    request.body = parts.mid(6).join('\n');
    return request;
}

bool knownStatus(int status)
{
    for (int known : {200, 400, 401, 404, 405, 409, 413, 421, 500})
        if (status == known)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 16 * 1024)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static Show* show = new Show;  // one show for every input: the steps go on and on
    show->access.loopbackOnly = size == 0 || (data[0] & 1) == 0;

    const RemoteRequest request = requestOf(bytes);
    const int pointerBefore = show->tracker.state().pointer;
    const RemoteResponse response = show->api.handle(request);
    FUZZ_CHECK(knownStatus(response.status));
    FUZZ_CHECK(!response.contentType.isEmpty());
    if (response.contentType.startsWith("application/json"))
        FUZZ_CHECK(QJsonDocument::fromJson(response.body).isObject());
    if (request.path.startsWith(u"/api/") && response.status == 200) {
        // Beyond this machine nothing of the show goes out without the token.
        if (!show->access.loopbackOnly)
            FUZZ_CHECK(request.token == kToken.toLatin1() || request.authorization.contains(kToken.toLatin1())
                       || request.query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded) == kToken);
    } else {
        FUZZ_CHECK(show->tracker.state().pointer == pointerBefore);  // refused: no step
    }
    if (request.body.size() > kMostRemoteBodyBytes)
        FUZZ_CHECK(response.status == 421 || response.status == 413);

    const QByteArray answer = show->api.handleMessage(QString::fromUtf8(bytes));
    FUZZ_CHECK(answer.isEmpty() || QJsonDocument::fromJson(answer).isObject());
    show->timers.tickAll();
    show->timers.tickAll();
    return 0;
}
