// The workbench in a real browser: Debian's chromium, headless, driven through puppeteer-core.
//
//   node workbench.test.mjs GAUGE_HOST NPM_DIR OUT_DIR REPO_ROOT
//
// Loads the example water-bomber panel, clicks the water master switch and the scoop button and
// looks for the change in the picture and the log, reads a tooltip, sets the airspeed and watches
// the needle move, saves the session as a scenario and replays it, refuses requests from other
// hosts and pages, and stops the server with Ctrl-C. Screenshots go to OUT_DIR/screenshots.
// Exits 77 (skipped) only when chromium is not installed.
import { spawn, spawnSync } from "node:child_process";
import { createRequire } from "node:module";
import assert from "node:assert/strict";
import fs from "node:fs";
import http from "node:http";
import net from "node:net";
import os from "node:os";
import path from "node:path";

const [gaugeHost, npmDir, outDir, repoRoot] = process.argv.slice(2);
if (!gaugeHost || !npmDir || !outDir || !repoRoot) {
  console.error("usage: node workbench.test.mjs GAUGE_HOST NPM_DIR OUT_DIR REPO_ROOT");
  process.exit(2);
}
const chromium = process.env.CHROMIUM || "/usr/bin/chromium";
if (!fs.existsSync(chromium)) {
  console.log(`SKIP: ${chromium} is not installed (scripts/setup.sh installs it)`);
  process.exit(77);
}
const puppeteer = createRequire(path.join(npmDir, "package.json"))("puppeteer-core");

const shots = path.join(outDir, "screenshots");
fs.mkdirSync(shots, { recursive: true });
const work = fs.mkdtempSync(path.join(os.tmpdir(), "workbench-test-"));
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function until(what, check, timeout = 10000) {
  const end = Date.now() + timeout;
  for (;;) {
    const v = await check();
    if (v) return v;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

// ---------------------------------------------------------------------------------------------
// The server

const panelCfg = path.join(repoRoot, "examples", "water_bomber_panel.cfg");
const server = spawn(gaugeHost, ["serve", panelCfg, "--port", "0", "--save-dir", work], {
  cwd: work,
  stdio: ["ignore", "pipe", "pipe"],
});
const stdout = [];
let stderr = "";
let partial = "";
server.stdout.on("data", (d) => {
  partial += d;
  const lines = partial.split("\n");
  partial = lines.pop();
  stdout.push(...lines);
});
server.stderr.on("data", (d) => (stderr += d));
const exited = new Promise((resolve) => server.on("exit", (code, signal) => resolve({ code, signal })));

const address = await until("the server's address", () => {
  const line = stdout.find((l) => l.includes("http://127.0.0.1:"));
  return line && line.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
});
const port = Number(address[1]);
const base = `http://127.0.0.1:${port}`;
const traceLines = () => stdout.filter((l) => l.startsWith("t="));
console.log(`server at ${base}`);

// A request with the headers given (Host included), as any client could send it.
function request(method, urlPath, { headers = {}, body } = {}) {
  return new Promise((resolve, reject) => {
    const req = http.request({ host: "127.0.0.1", port, method, path: urlPath, headers: { Host: `127.0.0.1:${port}`, ...headers } },
      (res) => {
        let data = "";
        res.on("data", (d) => (data += d));
        res.on("end", () => resolve({ status: res.statusCode, headers: res.headers, body: data }));
      });
    req.on("error", reject);
    if (body !== undefined) req.write(body);
    req.end();
  });
}

// Bytes written as they are (the connection stays open for the answer); resolves with the answer's head.
function rawRequest(text) {
  return new Promise((resolve) => {
    let data = "";
    const s = net.connect(port, "127.0.0.1", () => s.write(text));
    const done = () => {
      clearTimeout(timer);
      s.destroy();
      resolve(data);
    };
    const timer = setTimeout(done, 5000);
    s.on("data", (d) => {
      data += d;
      if (data.includes("\r\n\r\n")) done();
    });
    s.on("close", done);
    s.on("error", done);
  });
}

const form = (o) => new URLSearchParams(o).toString();
const formHeaders = { "Content-Type": "application/x-www-form-urlencoded" };

let browser;
let failed = false;
try {
  // -------------------------------------------------------------------------------------------
  // What the server refuses

  {
    const ok = await request("GET", "/api/session");
    assert.equal(ok.status, 200);
    const foreignHost = await request("GET", "/api/session", { headers: { Host: `attacker.example:${port}` } });
    assert.equal(foreignHost.status, 403, "a foreign Host is refused");
    assert.match(foreignHost.body, /not this server/);
    const foreignPage = await request("GET", "/", { headers: { Host: `attacker.example` } });
    assert.equal(foreignPage.status, 403, "the page is not served under a foreign Host either");
    const foreignOrigin = await request("POST", "/api/control", {
      headers: { ...formHeaders, Origin: "http://attacker.example" },
      body: form({ action: "pause" }),
    });
    assert.equal(foreignOrigin.status, 403, "a foreign Origin is refused");
    const crossSite = await request("GET", "/api/trace", { headers: { "Sec-Fetch-Site": "cross-site" } });
    assert.equal(crossSite.status, 403, "a request a browser marks cross-site is refused");
    const outside = await request("GET", "/../../etc/passwd");
    assert.ok(outside.status === 404 || outside.status === 400, `a path outside the workbench: ${outside.status}`);
    const unknown = await request("GET", "/serve.cpp");
    assert.equal(unknown.status, 404, "only the workbench's own files are served");
    const big = await request("POST", "/api/set", { headers: formHeaders, body: "token=0x3D&value=1&pad=" + "x".repeat(100000) });
    assert.equal(big.status, 413, "an oversized body is refused");
    const badNumber = await request("POST", "/api/set", { headers: formHeaders, body: form({ token: "0x3D", value: "fast" }) });
    assert.equal(badNumber.status, 400);
    const badToken = await request("POST", "/api/set", { headers: formHeaders, body: form({ token: "zz", value: "1" }) });
    assert.equal(badToken.status, 400);
    const garbage = await rawRequest("GARBAGE\r\n\r\n");
    assert.match(garbage, /^HTTP\/1\.1 4\d\d/, "a malformed request gets a 4xx");
    const longLine = await rawRequest(`GET /${"a".repeat(10000)} HTTP/1.1\r\nHost: 127.0.0.1:${port}\r\n\r\n`);
    assert.match(longLine, /^HTTP\/1\.1 414/, "an overlong request line is refused");
    const noHost = await rawRequest("GET /api/session HTTP/1.1\r\nConnection: close\r\n\r\n");
    assert.match(noHost, /^HTTP\/1\.1 4\d\d/, "a request without Host is refused");
    const again = await request("GET", "/api/session");
    assert.equal(again.status, 200, "the server keeps running after bad requests");
    console.log("ok: requests from other hosts, origins and sites are refused; bad requests get 4xx");
  }

  // -------------------------------------------------------------------------------------------
  // The page

  browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: path.join(work, "profile"),
    args: ["--no-sandbox", "--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--autoplay-policy=no-user-gesture-required"],
    defaultViewport: { width: 1440, height: 1000 },
  });
  const page = await browser.newPage();
  const pageErrors = [];
  const sounds = [];
  page.on("pageerror", (e) => pageErrors.push(String(e)));
  page.on("response", (r) => {
    if (r.url().includes("/api/sound/")) sounds.push({ status: r.status(), type: r.headers()["content-type"] });
  });
  await page.goto(base + "/", { waitUntil: "load" });
  await page.waitForFunction(() => window.workbench && window.workbench.framesDrawn > 3, { timeout: 15000 });
  await page.screenshot({ path: path.join(shots, "01-loaded.png") });

  const rects = JSON.parse((await request("GET", "/api/rects?window=0")).body);
  const session = JSON.parse((await request("GET", "/api/session")).body);
  const panelWidth = session.windows[0].width, panelHeight = session.windows[0].height;
  const rect = (gauge, index) => {
    const r = rects.find((q) => q.gauge === gauge && q.index === index);
    assert.ok(r, `rectangle ${index} of ${gauge}`);
    return r;
  };
  const gaugeBox = (label) => session.windows[0].gauges.find((g) => g.label === label);
  const canvasBox = await page.evaluate(() => {
    const r = document.getElementById("panel").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  });
  const toPage = (x, y) => ({ x: canvasBox.left + (x / panelWidth) * canvasBox.width, y: canvasBox.top + (y / panelHeight) * canvasBox.height });

  // The canvas pixels over a panel box, as a list of numbers.
  const pixels = (box) => page.evaluate((b, pw, ph) => {
    const c = document.getElementById("panel");
    const sx = c.width / pw, sy = c.height / ph;
    const d = c.getContext("2d").getImageData(Math.round(b.x * sx), Math.round(b.y * sy),
      Math.max(1, Math.round(b.width * sx)), Math.max(1, Math.round(b.height * sy))).data;
    return Array.from(d);
  }, box, panelWidth, panelHeight);
  const changed = (a, b) => a.reduce((n, v, i) => n + (Math.abs(v - b[i]) > 24 ? 1 : 0), 0);
  const logText = () => page.$eval("#log", (l) => l.textContent);
  const frameNow = () => page.evaluate(() => window.workbench.lastFrame);
  const waitFrames = async (n) => {
    const f = await frameNow();
    await page.waitForFunction((g) => window.workbench.lastFrame >= g, { timeout: 10000 }, f + n);
  };

  // Water master switch: its picture flips, the click and its sound are logged.
  {
    const master = rect("Window00.6", 2);
    const before = await pixels(master);
    const clicks = await page.evaluate(() => window.workbench.latencies.length);
    const at = toPage(master.x + master.width / 2, master.y + master.height / 2);
    await page.mouse.click(at.x, at.y);
    await page.waitForFunction((n) => window.workbench.latencies.length > n, { timeout: 10000 }, clicks);
    await waitFrames(1);
    const after = await pixels(master);
    assert.ok(changed(before, after) > 50, `the master switch's picture changes (${changed(before, after)} pixels)`);
    await until("the click in the log", async () => /click Window00\.6 at \d+,\d+: rect 2 callback/.test(await logText()));
    await until("the click's sound in the log", async () => /sound played by click on Window00\.6/.test(await logText()));
    await until("the browser fetching the sound", () => sounds.some((r) => (r.status === 200 || r.status === 206) && r.type === "audio/wav"));
    // A right click reaches the same rectangle, which takes left clicks only: no flip.
    await page.mouse.click(at.x, at.y, { button: "right" });
    await until("the right click in the log", async () => /click Window00\.6 at \d+,\d+: rect 2 rectangle 2 ignores this button/.test(await logText()));
    await waitFrames(2);
    assert.equal(changed(after, await pixels(master)), 0, "a right click leaves the switch as it was");
    await page.screenshot({ path: path.join(shots, "02-master-on.png") });
    console.log("ok: the water master switch flips in the picture; the click and its sound are in the log; the sound is played; a right click reaches it and is ignored");
  }

  // Scoop button: a key event in the log, and the scoop lamp lights as the host answers it.
  {
    const scoop = rect("Window00.6", 3);
    const before = await pixels(scoop);
    const at = toPage(scoop.x + scoop.width / 2, scoop.y + scoop.height / 2);
    await page.mouse.click(at.x, at.y);
    await until("the scoop event in the log", async () => /event 0x103B2 \(scoop\) value 0 from Window00\.6/.test(await logText()));
    await waitFrames(2);
    const after = await pixels(scoop);
    assert.ok(changed(before, after) > 50, `the scoop lamp lights (${changed(before, after)} pixels)`);
    console.log("ok: the scoop button's key event is in the log and its lamp lights");
  }

  // The fuel button opens or closes a panel window (its parameter text says which), and the log says so.
  {
    const fuel = rects.find((r) => r.gauge === "Window00.8" && r.clickable);
    assert.ok(fuel, "the fuel button has a clickable rectangle");
    const at = toPage(fuel.x + fuel.width / 2, fuel.y + fuel.height / 2);
    await page.mouse.click(at.x, at.y);
    await until("the window in the log", async () => /window \d+( \(\w+\))? (opened|closed) by Window00\.8/.test(await logText()));
    await page.waitForFunction(() => {
      const t = document.getElementById("tooltip");
      return !t.hidden && /fuel/i.test(t.textContent);
    }, { timeout: 5000 });
    console.log("ok: the fuel button changes a panel window, and the log shows it");
  }

  // Tooltip: hovering the airspeed indicator shows its text.
  {
    const g = gaugeBox("Window00.0");
    const at = toPage(g.x + g.width / 2, g.y + g.height / 3);
    const api = JSON.parse((await request("GET", `/api/tooltip?window=0&x=${g.x + g.width / 2}&y=${g.y + g.height / 3}`)).body);
    assert.match(api.text, /0x3002/, "the airspeed indicator's tooltip names its help topic");
    await page.mouse.move(at.x - 3, at.y);
    await page.mouse.move(at.x, at.y, { steps: 3 });
    await page.waitForFunction((text) => {
      const t = document.getElementById("tooltip");
      return !t.hidden && t.textContent === text;
    }, { timeout: 5000 }, api.text);
    const shown = await page.$eval("#tooltip", (t) => t.textContent);
    await page.screenshot({ path: path.join(shots, "03-tooltip.png") });
    await page.mouse.move(5, 5);
    console.log(`ok: the tooltip reads "${shown}"`);
  }

  // Airspeed: typed into the variables panel, the needle moves.
  {
    const g = gaugeBox("Window00.0");
    const before = await pixels(g);
    const input = await page.waitForSelector('input[name="token-0x3D"]', { timeout: 5000 });
    await input.click({ clickCount: 3 });
    await input.type("140");
    await input.press("Enter");
    await until("the airspeed set", async () => traceLines().some((l) => l.endsWith("set 0x3D (airspeed) = 140")));
    await waitFrames(2);
    const after = await pixels(g);
    assert.ok(changed(before, after) > 100, `the airspeed needle moves (${changed(before, after)} pixels)`);
    await page.screenshot({ path: path.join(shots, "04-airspeed-140.png") });
    console.log("ok: setting the airspeed moves the needle");
  }

  // A flight state in one click, and the overlay of rectangles.
  {
    await page.click('button[data-preset="lake"]');
    await until("the lake state", async () => traceLines().some((l) => l.endsWith("set 0x10000 (surface_type) = 2")));
    await until("water in the tanks", async () => {
      const s = await page.evaluate(() => window.workbench.state);
      return s && s.tanks.left > 0;
    });
    await page.click("#rects");
    await sleep(300);
    await page.screenshot({ path: path.join(shots, "05-scooping-rectangles.png") });
    await page.click("#rects");
    console.log("ok: the lake state scoops water; the rectangles overlay is drawn");
  }

  // A page of another site cannot drive the panel, though the browser sends its requests.
  {
    const clicksBefore = traceLines().filter((l) => / click /.test(l)).length;
    const foreign = http.createServer((req, res) => {
      res.setHeader("Content-Type", "text/html");
      res.end(`<!DOCTYPE html><script>
        fetch("${base}/api/click", { method: "POST", mode: "no-cors",
          body: new URLSearchParams({ window: "0", x: "${rect("Window00.6", 2).x + 5}", y: "${rect("Window00.6", 2).y + 5}" }) })
          .then(() => document.title = "sent", () => document.title = "failed");
      </script>`);
    });
    await new Promise((r) => foreign.listen(0, "127.0.0.1", r));
    const other = await browser.newPage();
    await other.goto(`http://127.0.0.1:${foreign.address().port}/`);
    await other.waitForFunction(() => document.title === "sent" || document.title === "failed", { timeout: 10000 });
    await sleep(300);
    await other.close();
    foreign.close();
    const clicksAfter = traceLines().filter((l) => / click /.test(l)).length;
    assert.equal(clicksAfter, clicksBefore, "a page of another origin made no click");
    console.log("ok: a page of another site cannot click the panel");
  }

  // Save as scenario: its run prints the session's trace.
  {
    await page.type("#save-name", "hand-flight");
    await page.click('#save button[type="submit"]');
    const saved = await page.waitForFunction(() => window.workbench.lastSave, { timeout: 60000 }).then((h) => h.jsonValue());
    assert.ok(saved.replay.same, `the server's replay matches: ${saved.replay.difference}`);
    const file = path.join(work, "hand-flight.scn");
    assert.ok(fs.existsSync(file));
    await page.screenshot({ path: path.join(shots, "06-saved.png") });
    const run = spawnSync(gaugeHost, ["run", file], { encoding: "utf8" });
    assert.equal(run.status, 0, run.stderr);
    const replayed = run.stdout.split("\n");
    const session = traceLines().slice(0, saved.trace_lines);
    assert.equal(session.length, saved.trace_lines);
    assert.deepEqual(replayed.slice(0, session.length), session, "gauge-host run prints the session's trace");
    assert.match(replayed.slice(session.length).join("\n"), /done: all expectations met/);
    const scn = fs.readFileSync(file, "utf8");
    assert.match(scn, /^click-at Window00\.6 \d+ \d+$/m);
    assert.match(scn, /^set 0x3D 140$/m);
    fs.copyFileSync(file, path.join(outDir, "hand-flight.scn"));
    console.log(`ok: the saved scenario (${saved.lines} lines) replays the session's ${session.length} trace lines`);
  }

  assert.deepEqual(pageErrors, [], "no script errors on the page");
} catch (e) {
  failed = true;
  console.error("FAIL:", e.stack || e);
  console.error("server stderr:", stderr);
} finally {
  if (browser) await browser.close().catch(() => {});
}

// Ctrl-C stops the server cleanly: the gauges come off the panel and the trace ends.
server.kill("SIGINT");
const end = await Promise.race([exited, sleep(10000).then(() => null)]);
if (!end) {
  server.kill("SIGKILL");
  console.error("FAIL: the server did not stop on SIGINT");
  failed = true;
} else if (end.code !== 0) {
  console.error(`FAIL: the server exited with ${end.code ?? end.signal}\n${stderr}`);
  failed = true;
} else if (!/done: all expectations met/.test(stdout.join("\n") + partial)) {
  console.error("FAIL: the trace does not end with the gauges taken off the panel");
  failed = true;
} else {
  console.log("ok: SIGINT stops the server cleanly");
}
fs.rmSync(work, { recursive: true, force: true });
console.log(failed ? "FAILED" : `PASSED (screenshots in ${shots})`);
process.exit(failed ? 1 : 0);
