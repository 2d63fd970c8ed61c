// Benchmark of the workbench (gauge-host serve) as a browser sees it: pictures per second that reach
// headless chromium for the example panel drawn 1024 pixels wide, and the time from a click to the
// picture that shows it. Not a test: it prints what it measured.
//
//   node bench/workbench_bench.mjs build/native/bin/gauge-host [NPM_DIR]
//
// NPM_DIR holds node_modules with puppeteer-core (default: the browser test's, build/native/tests/browser/npm).
import { spawn } from "node:child_process";
import http from "node:http";
import { createRequire } from "node:module";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const gaugeHost = path.resolve(process.argv[2] || path.join(repo, "build/native/bin/gauge-host"));
const npmDir = path.resolve(process.argv[3] || path.join(repo, "build/native/tests/browser/npm"));
const chromium = process.env.CHROMIUM || "/usr/bin/chromium";
const puppeteer = createRequire(path.join(npmDir, "package.json"))("puppeteer-core");
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const seconds = Number(process.env.BENCH_SECONDS || 10);

async function startServer(args) {
  const server = spawn(gaugeHost, ["serve", path.join(repo, "examples/water_bomber_panel.cfg"), "--port", "0", ...args],
    { cwd: os.tmpdir(), stdio: ["ignore", "pipe", "inherit"] });
  let out = "";
  server.stdout.on("data", (d) => (out += d));
  for (let i = 0; i < 200 && !/http:\/\/127\.0\.0\.1:\d+\//.test(out); ++i) await sleep(50);
  const m = out.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
  if (!m) throw new Error("the server did not start");
  return { server, base: `http://127.0.0.1:${m[1]}` };
}

function stats(values) {
  const v = [...values].sort((a, b) => a - b);
  const at = (q) => v[Math.min(v.length - 1, Math.floor(q * v.length))];
  return { n: v.length, median: at(0.5), p95: at(0.95), max: v[v.length - 1] };
}

async function measure(browser, label, serverArgs, query, clicks) {
  const { server, base } = await startServer(serverArgs);
  const page = await browser.newPage();
  await page.setViewport({ width: 1500, height: 1000 });
  await page.goto(`${base}/?width=1024${query}`, { waitUntil: "load" });
  await page.waitForFunction(() => window.workbench.framesDrawn > 5, { timeout: 20000 });
  // On the lake, scooping: the water needles move at every frame.
  await page.evaluate(() => fetch("/api/preset", { method: "POST", body: new URLSearchParams({ name: "lake" }) }));
  const rects = await page.evaluate(() => fetch("/api/rects?window=0").then((r) => r.json()));
  const centre = (index) => {
    const r = rects.find((q) => q.gauge === "Window00.6" && q.index === index);
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  };
  const scoop = centre(3), master = centre(2);
  await page.evaluate((p) => fetch("/api/click", { method: "POST", body: new URLSearchParams({ window: "0", x: p.x, y: p.y }) }), scoop);
  await sleep(1000);
  const width = await page.evaluate(() => document.getElementById("panel").width);
  const f0 = await page.evaluate(() => [window.workbench.framesDrawn, performance.now(), window.workbench.state.frames]);
  await sleep(seconds * 1000);
  const f1 = await page.evaluate(() => [window.workbench.framesDrawn, performance.now(), window.workbench.state.frames]);
  const fps = ((f1[0] - f0[0]) * 1000) / (f1[1] - f0[1]);
  const hostFps = ((f1[2] - f0[2]) * 1000) / (f1[1] - f0[1]);
  const drawMs = await page.evaluate(() => window.workbench.state.draw_ms);
  let latency = null;
  if (clicks) {
    // The water master switch, again and again.
    const box = await page.evaluate(() => {
      const r = document.getElementById("panel").getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height };
    });
    const x = box.left + (master.x / 640) * box.width;
    const y = box.top + (master.y / 330) * box.height;
    const before = await page.evaluate(() => window.workbench.latencies.length);
    for (let i = 0; i < clicks; ++i) {
      await page.mouse.click(x, y);
      await page.waitForFunction((n) => window.workbench.latencies.length > n, { timeout: 10000 }, before + i);
      await sleep(150 + Math.random() * 100);
    }
    latency = stats((await page.evaluate(() => window.workbench.latencies)).slice(before));
    latency.answer = stats((await page.evaluate(() => window.workbench.clickAnswers)).slice(before));
  }
  await page.close();
  server.kill("SIGINT");
  await new Promise((r) => server.on("exit", r));
  const row = { label, width, fps: fps.toFixed(1), hostFps: hostFps.toFixed(1), lastDrawMs: drawMs.toFixed(1) };
  if (latency)
    Object.assign(row, { clicks: latency.n, latencyMedianMs: latency.median.toFixed(1), latencyP95Ms: latency.p95.toFixed(1),
                         latencyMaxMs: latency.max.toFixed(1), clickAnswerMedianMs: latency.answer.median.toFixed(1) });
  console.log(JSON.stringify(row));
  return row;
}

// The server's share of a click's latency, without a browser: from sending the click to receiving
// the frame event that shows it, on the same machine.
async function measureServer(label, serverArgs, clicks) {
  const { server, base } = await startServer(serverArgs);
  const port = Number(base.split(":")[2]);
  const frames = [];   // [frame, time received]
  const stream = http.get({ host: "127.0.0.1", port, path: "/api/stream" }, (res) => {
    let buffer = "";
    res.setEncoding("utf8");
    res.on("data", (d) => {
      buffer += d;
      let at;
      while ((at = buffer.indexOf("\n\n")) >= 0) {
        const message = buffer.slice(0, at);
        buffer = buffer.slice(at + 2);
        const m = message.match(/^event: frame\ndata: \{"frame":(\d+)/);
        if (m) frames.push([Number(m[1]), performance.now()]);
      }
    });
  });
  const post = (path, body) => new Promise((resolve, reject) => {
    const req = http.request({ host: "127.0.0.1", port, method: "POST", path,
                               headers: { "Content-Type": "application/x-www-form-urlencoded" } }, (res) => {
      let data = "";
      res.on("data", (d) => (data += d));
      res.on("end", () => resolve(JSON.parse(data)));
    });
    req.on("error", reject);
    req.end(body);
  });
  const get = (path) => new Promise((resolve) => http.get({ host: "127.0.0.1", port, path }, (res) => {
    let data = "";
    res.on("data", (d) => (data += d));
    res.on("end", () => resolve(JSON.parse(data)));
  }));
  await sleep(1000);
  const r = (await get("/api/rects?window=0")).find((q) => q.gauge === "Window00.6" && q.index === 2);
  const times = [];
  for (let i = 0; i < clicks; ++i) {
    const t0 = performance.now();
    const answer = await post("/api/click", `window=0&x=${r.x + r.width / 2}&y=${r.y + r.height / 2}`);
    for (let k = 0; k < 400; ++k) {
      const f = frames.find(([n, t]) => n >= answer.frame && t >= t0);
      if (f) {
        times.push(f[1] - t0);
        break;
      }
      await sleep(1);
    }
    await sleep(150 + Math.random() * 100);
  }
  stream.destroy();
  server.kill("SIGINT");
  await new Promise((resolve) => server.on("exit", resolve));
  const st = stats(times);
  const row = { label, clicks: st.n, latencyMedianMs: st.median.toFixed(1), latencyP95Ms: st.p95.toFixed(1), latencyMaxMs: st.max.toFixed(1) };
  console.log(JSON.stringify(row));
  return row;
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), "workbench-bench-"));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
try {
  console.log(`machine: ${os.cpus().length} x ${os.cpus()[0].model}; load average ${os.loadavg().map((l) => l.toFixed(1)).join(" ")}; ${seconds} s per measurement`);
  await measureServer("server only: click to frame event, 18 Hz host", [], 30);
  await measure(browser, "18 Hz host, changed gauges only", [], "", 30);
  await measure(browser, "60 Hz host, changed gauges only", ["--rate", "60"], "", 30);
  await measure(browser, "60 Hz host, every gauge redrawn every frame", ["--rate", "60"], "&full=1", 30);
  await measure(browser, "144 Hz host (18 Hz x 8), every gauge redrawn every frame", ["--speed", "8"], "&full=1", 0);
  console.log(`load average ${os.loadavg().map((l) => l.toFixed(1)).join(" ")}`);
} finally {
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
