#include "remote/remoteapi.h"
#include "remote/remotestate.h"

#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"
#include "qtprinters.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace qc {
namespace {

const QStringList kScript{"'qc-title Night Show", "'qc-header Soon", "Hello@ent@there", "World", "",
                          "@qc-set fontsize=\"40\" bold=\"1\" forecolor=\"FFFF00\"", "Second", "", "Third"};

// The remote control over the presentation as the program puts it together.
class RemoteApiTest : public ::testing::Test, protected test::PresentationRig {
protected:
    RemoteApiTest() : PresentationRig(kScript) { presentation.subscribe(tracker); }
    ~RemoteApiTest() override { presentation.unsubscribe(tracker); }

    void startRun() { engine.startRun(controller); }

    RemoteRequest request(const QByteArray& method, const QString& path, const QByteArray& body = {}) const
    {
        RemoteRequest r;
        r.method = method;
        const qsizetype question = path.indexOf(u'?');
        r.path = question < 0 ? path : path.left(question);
        r.query = QUrlQuery(question < 0 ? QString() : path.mid(question + 1));
        r.host = "127.0.0.1:8765";
        r.body = body;
        return r;
    }

    RemoteResponse get(const QString& path) const { return api.handle(request("GET", path)); }
    RemoteResponse post(const QString& path, const QByteArray& body = {})
    {
        const RemoteResponse response = api.handle(request("POST", path, body));
        timers.tickAll();  // the button wait passes
        timers.tickAll();
        return response;
    }

    static QJsonObject json(const RemoteResponse& response)
    {
        return QJsonDocument::fromJson(response.body).object();
    }

    QStringList stepLog;
    test::RecordingController controller{stepLog, true};
    RemoteStateTracker tracker{script, settings, presentation.look()};
    RemoteAccess access{{QStringLiteral("192.168.1.20")}, 8765, true, QStringLiteral("0123456789abcdef0123456789abcdef")};
    RemoteApi api{{presentation.stepOperator(), tracker, access}};
};

TEST_F(RemoteApiTest, TheStateFollowsTheRunItsStepsAndItsLook)
{
    QJsonObject state = json(get("/api/state"));
    EXPECT_EQ(state["running"].toBool(), false);
    EXPECT_EQ(state["lines"].toInt(), 9);
    EXPECT_EQ(state["title"].toString(), "Night Show");
    EXPECT_TRUE(state["clipboard"].isNull());
    EXPECT_EQ(state["look"].toObject()["size"].toInt(), settings.integer(SettingKey::ShowTxtFSize));

    startRun();
    state = json(get("/api/state"));
    EXPECT_EQ(state["running"].toBool(), true);
    EXPECT_EQ(state["display"].toString(), "Soon\n");
    EXPECT_EQ(state["pointer"].toInt(), 0);

    state = json(post("/api/next"));
    EXPECT_EQ(state["pointer"].toInt(), 3);
    EXPECT_EQ(state["display"].toString(), "Hello\nthere\nWorld\n");
    EXPECT_EQ(state["clipboard"].toString(), "Hello\nthere\nWorld\n");
    EXPECT_EQ(controller.pointer, 3) << "the controller shows the remote's step";

    state = json(post("/api/next"));
    const QJsonObject look = state["look"].toObject();
    EXPECT_EQ(look["size"].toInt(), 40);
    EXPECT_EQ(look["bold"].toBool(), true);
    EXPECT_EQ(look["foreColor"].toString(), "#FFFF00");

    engine.endRun();
    state = json(get("/api/state"));
    EXPECT_EQ(state["running"].toBool(), false);
    EXPECT_EQ(state["display"].toString(), "");
    EXPECT_EQ(state["clipboard"].toString(), "Second\n") << "the last clipboard text stays";
}

TEST_F(RemoteApiTest, EveryActionIsTheControllersOperation)
{
    startRun();
    const struct {
        const char* path;
        QByteArray body;
        int pointer;
        bool clipboardChanged;
    } steps[] = {
        {"/api/next", {}, 3, true},
        {"/api/nextoff", {}, 6, false},
        {"/api/back", {}, 3, true},
        {"/api/bottom", {}, 10, false},   // the footer: nothing to copy
        {"/api/top", {}, 0, false},
        {"/api/jump?line=7", {}, 7, true},
        {"/api/backoff", {}, 6, false},
        {"/api/jump", "9", 9, true},
        {"/api/jump", "{\"line\": 3}", 3, true},
    };
    for (const auto& step : steps) {
        const int clipboardWrites = int(clipboard.puts.size());
        const RemoteResponse response = post(QString::fromLatin1(step.path), step.body);
        EXPECT_EQ(response.status, 200) << step.path;
        EXPECT_EQ(json(response)["pointer"].toInt(), step.pointer) << step.path << " " << step.body.constData();
        EXPECT_EQ(int(clipboard.puts.size()) > clipboardWrites, step.clipboardChanged) << step.path;
    }
}

TEST_F(RemoteApiTest, TheButtonWaitHoldsForTheRemoteToo)
{
    startRun();
    api.handle(request("POST", "/api/next"));
    const RemoteResponse tooSoon = api.handle(request("POST", "/api/next"));
    EXPECT_EQ(tooSoon.status, 200);
    EXPECT_EQ(json(tooSoon)["pointer"].toInt(), 3) << "a second Next within the wait is ignored";
}

TEST_F(RemoteApiTest, WrongRequestsAreRefusedWithTheirStatus)
{
    const struct {
        QByteArray method;
        const char* path;
        QByteArray body;
        int status;
    } cases[] = {
        {"POST", "/api/next", {}, 409},           // no presentation run
        {"POST", "/api/jump?line=3", {}, 409},
        {"POST", "/api/dance", {}, 404},
        {"GET", "/api/next", {}, 405},
        {"POST", "/api/state", {}, 405},
        {"POST", "/", {}, 405},
        {"GET", "/etc/passwd", {}, 404},
        {"GET", "/../QCST.INI", {}, 404},
        {"GET", "/api", {}, 404},
        {"POST", "/api/next", QByteArray(kMostRemoteBodyBytes + 1, 'x'), 413},
    };
    for (const auto& c : cases) {
        const RemoteResponse response = api.handle(request(c.method, QString::fromLatin1(c.path), c.body));
        EXPECT_EQ(response.status, c.status) << c.method.constData() << " " << c.path;
        EXPECT_FALSE(json(response)["error"].toString().isEmpty()) << c.path;
    }
    startRun();
    EXPECT_EQ(post("/api/jump").status, 400) << "a jump without a line number";
    EXPECT_EQ(post("/api/jump", "abc").status, 400);
    EXPECT_EQ(post("/api/next", QByteArray(kMostRemoteBodyBytes, ' ')).status, 200);
}

TEST_F(RemoteApiTest, ThePagesAreServedAsHtml)
{
    for (const char* path : {"/", "/overlay", "/overlay?transparent=1"}) {
        const RemoteResponse page = get(QString::fromLatin1(path));
        EXPECT_EQ(page.status, 200) << path;
        EXPECT_TRUE(page.contentType.startsWith("text/html")) << path;
        EXPECT_TRUE(page.body.contains("/ws")) << path << ": the page follows the state";
    }
    EXPECT_TRUE(get("/overlay").body.contains("qc-text"));
    EXPECT_TRUE(get("/").body.contains("data-action=\"next\""));
}

// Only requests addressed to this server by its own names are answered: another site's name
// pointed at this machine (DNS rebinding) is refused.
TEST_F(RemoteApiTest, TheHostMustBeThisServer)
{
    const struct {
        QByteArray host;
        bool answered;
    } cases[] = {
        {"127.0.0.1:8765", true}, {"localhost:8765", true}, {"LOCALHOST", true},  {"[::1]:8765", true},
        {"127.0.0.2", true},      {"192.168.1.20:8765", true}, {"evil.example:8765", false},
        {"localhost.evil.example", false}, {"192.168.1.21", false}, {"", false}, {"127.0.0.1:8765/x", false},
    };
    for (const auto& c : cases) {
        RemoteRequest r = request("GET", "/api/state");
        r.host = c.host;
        EXPECT_EQ(api.handle(r).status == 200, c.answered) << c.host.constData();
        EXPECT_EQ(api.handle(r).status == 421, !c.answered) << c.host.constData();
    }
}

TEST_F(RemoteApiTest, BeyondThisMachineControlAndStateNeedTheToken)
{
    access.loopbackOnly = false;
    const QByteArray token = access.token.toLatin1();
    RemoteRequest r = request("GET", "/api/state");
    EXPECT_EQ(api.handle(r).status, 401);
    EXPECT_EQ(get("/").status, 200) << "the pages hold nothing of the show";

    r.token = token;
    EXPECT_EQ(api.handle(r).status, 200);
    r.token = token.left(31) + "0";
    EXPECT_EQ(api.handle(r).status, 401);
    r.token = {};
    r.authorization = "Bearer " + token;
    EXPECT_EQ(api.handle(r).status, 200);
    r.authorization = {};
    EXPECT_EQ(get("/api/state?token=" + access.token).status, 200);
    EXPECT_EQ(get("/api/state?token=").status, 401);
}

TEST_F(RemoteApiTest, AnotherSitesPageNeedsTheTokenEvenOnThisMachine)
{
    RemoteRequest r = request("POST", "/api/next");
    r.origin = "https://evil.example";
    EXPECT_EQ(api.handle(r).status, 401);
    r.origin = "http://127.0.0.1:8765";   // the server's own page
    EXPECT_EQ(api.handle(r).status, 409);
    r.origin = "http://127.0.0.1:9999";
    EXPECT_EQ(api.handle(r).status, 401);
    r.origin = "https://evil.example";
    r.token = access.token.toLatin1();
    EXPECT_EQ(api.handle(r).status, 409);
}

TEST_F(RemoteApiTest, WebSocketsOpenByTheSameRulesAndTakeTheSameActions)
{
    RemoteRequest r = request("GET", "/ws");
    EXPECT_TRUE(api.acceptsWebSocket(r));
    r.path = QStringLiteral("/other");
    EXPECT_FALSE(api.acceptsWebSocket(r));
    r.path = QStringLiteral("/ws");
    r.origin = "http://evil.example";
    EXPECT_FALSE(api.acceptsWebSocket(r));
    r.query = QUrlQuery(QStringLiteral("token=") + access.token);
    EXPECT_TRUE(api.acceptsWebSocket(r));
    r.host = "evil.example";
    EXPECT_FALSE(api.acceptsWebSocket(r));

    EXPECT_EQ(QJsonDocument::fromJson(api.handleMessage("next")).object()["error"].toString(),
              "no presentation is running");
    startRun();
    EXPECT_TRUE(api.handleMessage("next").isEmpty());
    timers.tickAll();
    timers.tickAll();
    EXPECT_TRUE(api.handleMessage("{\"action\":\"jump\",\"line\":9}").isEmpty());
    EXPECT_EQ(tracker.state().pointer, 9);
    timers.tickAll();
    timers.tickAll();
    EXPECT_TRUE(api.handleMessage("jump 7").isEmpty());
    EXPECT_EQ(tracker.state().pointer, 7);
    EXPECT_FALSE(api.handleMessage("dance").isEmpty());
    EXPECT_FALSE(api.handleMessage("jump").isEmpty());
}

TEST_F(RemoteApiTest, EachChangeIsToldOnce)
{
    int told = 0;
    tracker.setChangeHandler([&] { ++told; });
    startRun();
    EXPECT_EQ(told, 1);
    post("/api/next");
    EXPECT_EQ(told, 2);
    post("/api/next");  // a step that changes three parts of the look: still once
    EXPECT_EQ(told, 3);
    engine.endRun();
    EXPECT_EQ(told, 4);
}

} // namespace
} // namespace qc
