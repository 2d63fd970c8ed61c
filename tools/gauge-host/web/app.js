// The gauge-host workbench page: draws the pictures the host streams, sends clicks, hovers and
// settings back, and shows what the gauges do. No build step: plain script served by gauge-host.
"use strict";

const $ = (id) => document.getElementById(id);

// What tests and benchmarks read: counters of frames drawn and click-to-picture latencies.
const workbench = {
  session: null,
  window: 0,
  framesDrawn: 0,
  lastFrame: -1,
  latencies: [],
  clickAnswers: [],
  pendingClick: null,
  log: [],
  lastTooltip: null,
  state: null,
  connected: false,
};
window.workbench = workbench;

const canvas = $("panel");
const ctx = canvas.getContext("2d");
const overlay = $("overlay");
const octx = overlay.getContext("2d");
let tiles = [];          // per gauge: {x, y, w, h, bitmap}
let rects = [];
let showRects = false;

// ------------------------------------------------------------------------------------------------
// Requests

async function post(path, params) {
  const res = await fetch(path, { method: "POST", body: new URLSearchParams(params) });
  const body = await res.json().catch(() => ({}));
  if (!res.ok) throw new Error(body.error || `${res.status} ${res.statusText}`);
  return body;
}

async function get(path) {
  const res = await fetch(path);
  const body = await res.json().catch(() => ({}));
  if (!res.ok) throw new Error(body.error || `${res.status} ${res.statusText}`);
  return body;
}

function message(text, kind) {
  const m = $("message");
  m.textContent = text;
  m.className = "status " + (kind || "");
}

function attempt(promise) {
  return promise.catch((e) => message(e.message, "error"));
}

// ------------------------------------------------------------------------------------------------
// The picture

function currentWindow() {
  return workbench.session.windows[workbench.window];
}

// The panel pixel under a mouse event.
function panelPoint(ev) {
  const r = canvas.getBoundingClientRect();
  const w = currentWindow();
  return { x: ((ev.clientX - r.left) / r.width) * w.width, y: ((ev.clientY - r.top) / r.height) * w.height };
}

function requestView() {
  if (!workbench.session) return;
  // ?width=N asks for pictures N pixels wide whatever the window's size (benchmarks); ?full=1 for
  // every gauge drawn again at every frame.
  const query = new URLSearchParams(location.search);
  const fixed = Number(query.get("width"));
  const width = Math.max(64, Math.min(4096, fixed || Math.round($("stage").clientWidth * (window.devicePixelRatio || 1))));
  const full = query.get("full") === "1" ? "1" : "0";
  return attempt(post("/api/view", { window: workbench.window, width, full }));
}

function decodeTile(t) {
  if (!t.png) return Promise.resolve({ ...t, bitmap: null });
  const text = atob(t.png);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return createImageBitmap(new Blob([bytes], { type: "image/png" })).then((bitmap) => ({ ...t, bitmap }));
}

// Frames that arrive while one is being drawn wait here, merged: only the newest picture of each
// tile is drawn, so a slow moment never builds a queue of stale pictures.
let waiting = null, drawing = false;

function queueFrame(f) {
  if (waiting && !f.layout) {   // a new layout comes with every tile; otherwise merge
    const tiles = new Map(waiting.tiles.map((t) => [t.i, t]));
    for (const t of f.tiles) tiles.set(t.i, t);
    waiting = { ...f, layout: waiting.layout, tiles: [...tiles.values()] };
  } else {
    waiting = f;
  }
  if (!drawing) drawWaiting();
}

async function drawWaiting() {
  drawing = true;
  try {
    while (waiting) {
      const f = waiting;
      waiting = null;
      await showFrame(f);
    }
  } catch (e) {
    message(e.message, "error");
  } finally {
    drawing = false;
  }
}

// Draws the changed tiles: each changed area is cleared and every tile over it drawn again in
// panel order, so that gauges that overlap stay as the host composes them.
async function showFrame(f) {
  const decoded = await Promise.all(f.tiles.map(decodeTile));
  if (f.layout || canvas.width !== f.width || canvas.height !== f.height || f.window !== workbench.window) {
    canvas.width = overlay.width = f.width;
    canvas.height = overlay.height = f.height;
    tiles = [];
    drawOverlay();
  }
  const dirty = [];
  for (const t of decoded) {
    const old = tiles[t.i];
    if (old) dirty.push(old);
    tiles[t.i] = t;
    dirty.push(t);
  }
  for (const d of dirty) {
    ctx.save();
    ctx.beginPath();
    ctx.rect(d.x, d.y, d.w, d.h);
    ctx.clip();
    ctx.fillStyle = "#1f2124";
    ctx.fillRect(d.x, d.y, d.w, d.h);
    for (const t of tiles) {
      if (!t || !t.bitmap) continue;
      if (t.x >= d.x + d.w || t.y >= d.y + d.h || t.x + t.w <= d.x || t.y + t.h <= d.y) continue;
      ctx.drawImage(t.bitmap, t.x, t.y, t.w, t.h);
    }
    ctx.restore();
  }
  workbench.framesDrawn++;
  workbench.lastFrame = f.frame;
  drawnAt.push({ frame: f.frame, t: performance.now() });
  if (drawnAt.length > 64) drawnAt.shift();
  const p = workbench.pendingClick;
  if (p && f.frame >= p.frame) clickShown(p, performance.now());
}

// When each recent frame was drawn: the answer to a click may come after the picture it made.
const drawnAt = [];

function clickShown(p, t) {
  const ms = t - p.t0;
  workbench.latencies.push(ms);
  workbench.clickAnswers.push(p.answered - p.t0);   // of which the request's own round trip
  workbench.pendingClick = null;
  $("latency").textContent = `click to picture ${ms.toFixed(1)} ms`;
}

function awaitPicture(t0, frame) {
  const answered = performance.now();
  const shown = drawnAt.find((d) => d.frame >= frame && d.t >= t0);
  if (shown) clickShown({ t0, frame, answered }, shown.t);
  else workbench.pendingClick = { t0, frame, answered };
}

// ------------------------------------------------------------------------------------------------
// Mouse

const cursorNames = { "-1": "none", 0: "default", 1: "up arrow", 2: "down arrow", 3: "left arrow", 4: "right arrow",
                      5: "hand", 6: "small arrow", 7: "grab", 8: "crosshair" };

async function loadRects() {
  rects = await get(`/api/rects?window=${workbench.window}`);
  drawOverlay();
}

function drawOverlay() {
  octx.clearRect(0, 0, overlay.width, overlay.height);
  if (!showRects || !workbench.session) return;
  const w = currentWindow();
  const sx = overlay.width / w.width, sy = overlay.height / w.height;
  const size = Math.max(9, Math.round(8 * sx));
  octx.font = `${size}px "Liberation Sans", sans-serif`;
  octx.textBaseline = "top";
  // Groups first, labelled at their foot; then the rectangles that act, labelled at their head.
  const ordered = [...rects.filter((r) => r.type !== "child"), ...rects.filter((r) => r.type === "child")];
  for (const r of ordered) {
    const x = r.x * sx, y = r.y * sy, rw = r.width * sx, rh = r.height * sy;
    const acts = r.clickable;
    octx.setLineDash(r.type === "tooltip" ? [3, 3] : []);
    octx.strokeStyle = acts ? "rgba(255, 200, 40, 0.95)" : r.type === "tooltip" ? "rgba(160, 255, 160, 0.7)" : "rgba(120, 200, 255, 0.8)";
    octx.lineWidth = acts ? 2 : 1;
    octx.strokeRect(x + 0.5, y + 0.5, rw - 1, rh - 1);
    if (r.type === "tooltip") continue;
    const cursor = cursorNames[r.cursor] ?? `cursor ${r.cursor}`;
    const label = `${r.help_id === "0x0" ? "" : r.help_id + " "}${cursor}${r.event ? " → " + r.event : ""}`;
    const tw = octx.measureText(label).width + 4;
    const ly = acts ? y + 1 : y + rh - size - 3;
    octx.fillStyle = "rgba(0, 0, 0, 0.72)";
    octx.fillRect(x + 1, ly, tw, size + 2);
    octx.fillStyle = acts ? "#ffd060" : "#9cf";
    octx.fillText(label, x + 3, ly + 1);
  }
  octx.setLineDash([]);
}

function rectAt(p) {
  let best = null;
  for (const r of rects)
    if (r.clickable && p.x >= r.x && p.y >= r.y && p.x < r.x + r.width && p.y < r.y + r.height) best = r;
  return best;
}

async function click(ev, button) {
  ev.preventDefault();
  const p = panelPoint(ev);
  const t0 = performance.now();
  try {
    const r = await post("/api/click", { window: workbench.window, x: p.x.toFixed(2), y: p.y.toFixed(2), button });
    if (r.recorded) {
      if (!r.paused) awaitPicture(t0, r.frame);
      message(`${r.gauge} at ${r.x},${r.y}: rect ${r.rect} ${r.action}`, "ok");
    } else if (r.on_gauge) {
      message(`${r.gauge}: ${r.action}`);
    }
  } catch (e) {
    message(e.message, "error");
  }
}

let hoverTimer = null, hoverAt = null, hoverBusy = false;
function hover(ev) {
  if (!workbench.session) return;
  const p = panelPoint(ev);
  canvas.style.cursor = rectAt(p) ? "pointer" : "default";
  hoverAt = { p, clientX: ev.clientX, clientY: ev.clientY };
  if (!hoverTimer) hoverTimer = setTimeout(showTooltip, 120);
}

async function showTooltip() {
  hoverTimer = null;
  if (!hoverAt) return;
  if (hoverBusy) {   // one question at a time; ask about where the pointer is once it is answered
    hoverTimer = setTimeout(showTooltip, 50);
    return;
  }
  const asked = hoverAt;
  const { p, clientX, clientY } = asked;
  hoverBusy = true;
  try {
    const t = await get(`/api/tooltip?window=${workbench.window}&x=${p.x.toFixed(2)}&y=${p.y.toFixed(2)}`);
    if (hoverAt !== asked) return;   // the pointer moved on: its own question follows
    workbench.lastTooltip = t;
    const tip = $("tooltip");
    if (t.text) {
      const stage = $("stage").getBoundingClientRect();
      tip.textContent = t.text;
      tip.hidden = false;
      tip.style.left = `${clientX - stage.left + 14}px`;
      tip.style.top = `${clientY - stage.top + 18}px`;
    } else {
      tip.hidden = true;
    }
  } catch (e) {
    /* the next move asks again */
  } finally {
    hoverBusy = false;
  }
}

// A button goes down: the simulator's panel acts on the press, not on the release.
canvas.addEventListener("mousedown", (ev) => {
  if (ev.button === 0) click(ev, "left");
  else if (ev.button === 2) click(ev, "right");
});
canvas.addEventListener("contextmenu", (ev) => ev.preventDefault());
canvas.addEventListener("mousemove", hover);
canvas.addEventListener("mouseleave", () => {
  hoverAt = null;
  $("tooltip").hidden = true;
});

// ------------------------------------------------------------------------------------------------
// Variables, expressions, tanks, state

function formatValue(v) {
  if (v === null || v === undefined) return "";
  return Number.isInteger(v) ? String(v) : String(Math.round(v * 1e6) / 1e6);
}

function syncRows(tbody, items, key, build, update) {
  const rows = new Map([...tbody.rows].map((r) => [r.dataset.key, r]));
  let before = null;
  for (const item of items) {
    const k = String(key(item));
    let row = rows.get(k);
    if (!row) {
      row = build(item);
      row.dataset.key = k;
    }
    rows.delete(k);
    update(row, item);
    const next = before ? before.nextSibling : tbody.firstChild;
    if (row !== next) tbody.insertBefore(row, next);
    before = row;
  }
  for (const r of rows.values()) r.remove();
}

function valueInput(onSet) {
  const input = document.createElement("input");
  input.addEventListener("keydown", (ev) => {
    if (ev.key === "Enter") {
      ev.preventDefault();
      attempt(onSet(input.value).then(() => input.blur()));
    } else if (ev.key === "Escape") {
      input.blur();
    }
  });
  return input;
}

function cell(row, cls, text) {
  const td = row.insertCell();
  if (cls) td.className = cls;
  if (text !== undefined) td.textContent = text;
  return td;
}

function showState(s) {
  workbench.state = s;
  $("pause").textContent = s.paused ? "Resume" : "Pause";
  $("pause").classList.toggle("on", s.paused);
  if (document.activeElement !== $("speed")) $("speed").value = String(s.speed);
  $("clock").textContent = `t=${s.time.toFixed(3)} s, frame ${s.frames} at ${s.rate} Hz${s.paused ? " (paused)" : ""}` +
    (s.reproducible ? "" : " — a command failed: the session may not replay exactly");
  for (const side of ["left", "right"]) {
    $(`tank-${side}`).value = s.tanks[side];
    $(`tank-${side}-text`).textContent = `${((s.tanks[side] / s.tanks.full) * 100).toFixed(1)}% (${s.tanks[side]})`;
  }
  for (const b of document.querySelectorAll("#windows button")) b.classList.toggle("open", s.open_windows.includes(Number(b.dataset.id)));

  syncRows($("variables").tBodies[0], s.variables, (v) => v.token, (v) => {
    const row = document.createElement("tr");
    cell(row, "name", v.name || "—");
    cell(row, "token", v.hex);
    cell(row, "unit", v.unit + (v.integer ? " (int)" : ""));
    const input = valueInput((text) => post("/api/set", { token: v.hex, value: text }));
    input.name = `token-${v.hex}`;
    cell(row, "value").appendChild(input);
    return row;
  }, (row, v) => {
    const input = row.querySelector("input");
    if (document.activeElement !== input) input.value = formatValue(v.value);
  });

  syncRows($("expressions").tBodies[0], s.expressions, (e) => e.code, (e) => {
    const row = document.createElement("tr");
    cell(row, "code", e.code);
    const input = valueInput((text) => post("/api/expr", { code: e.code, value: text }));
    cell(row, "value").appendChild(input);
    return row;
  }, (row, e) => {
    const input = row.querySelector("input");
    if (document.activeElement !== input) input.value = e.answered ? formatValue(e.value) : "";
    input.placeholder = e.answered ? "" : "0 (unanswered)";
  });
}

$("add-variable").addEventListener("submit", (ev) => {
  ev.preventDefault();
  const f = new FormData(ev.target);
  attempt(post("/api/set", { token: f.get("token"), value: f.get("value") }).then(() => ev.target.reset()));
});
$("add-expression").addEventListener("submit", (ev) => {
  ev.preventDefault();
  const f = new FormData(ev.target);
  attempt(post("/api/expr", { code: f.get("code"), value: f.get("value") }).then(() => ev.target.reset()));
});

// ------------------------------------------------------------------------------------------------
// Log

const kinds = ["event", "window", "sound", "ext", "tanks", "click", "set", "note", "error", "trace"];
const hiddenKinds = new Set(["ext"]);
let lastRow = null;

function buildFilters() {
  for (const k of kinds) {
    const label = document.createElement("label");
    const box = document.createElement("input");
    box.type = "checkbox";
    box.checked = !hiddenKinds.has(k);
    box.addEventListener("change", () => {
      if (box.checked) hiddenKinds.delete(k); else hiddenKinds.add(k);
      for (const li of $("log").children) li.hidden = hiddenKinds.has(li.dataset.kind);
    });
    label.append(box, " " + k);
    $("log-filters").appendChild(label);
  }
}

function playSound(n) {
  const audio = new Audio(`/api/sound/${n}`);
  audio.play().catch(() => {});
}

function addLog(entries) {
  const list = $("log");
  const atBottom = list.scrollTop + list.clientHeight >= list.scrollHeight - 4;
  for (const e of entries) {
    workbench.log.push(e);
    if (workbench.log.length > 5000) workbench.log.splice(0, 1000);
    if (e.kind === "sound" && $("sound").checked) playSound(e.sound);
    // Runs of like lines (the external interface answers every frame) make one line with a count.
    const key = e.kind === "ext" ? "ext" : e.kind + e.text;
    if (lastRow && lastRow.dataset.key === key) {
      const n = Number(lastRow.dataset.count) + 1;
      lastRow.dataset.count = n;
      lastRow.querySelector(".t").textContent = `t=${e.time.toFixed(3)} `;
      lastRow.querySelector(".x").textContent = e.text;
      lastRow.querySelector(".n").textContent = ` ×${n}`;
      continue;
    }
    const li = document.createElement("li");
    li.dataset.kind = e.kind;
    li.dataset.key = key;
    li.dataset.count = 1;
    li.className = e.kind;
    li.hidden = hiddenKinds.has(e.kind);
    const t = document.createElement("span");
    t.className = "t";
    t.textContent = `t=${e.time.toFixed(3)} `;
    const k = document.createElement("span");
    k.className = "k";
    k.textContent = e.kind;
    const x = document.createElement("span");
    x.className = "x";
    x.textContent = e.text;
    const n = document.createElement("span");
    n.className = "n";
    li.append(t, k, x, n);
    if (e.kind === "sound") {
      const b = document.createElement("button");
      b.type = "button";
      b.textContent = "▶";
      b.title = "play it again";
      b.addEventListener("click", () => playSound(e.sound));
      li.appendChild(b);
    }
    list.appendChild(li);
    lastRow = li;
  }
  while (list.children.length > 800) list.firstChild.remove();
  if (atBottom) list.scrollTop = list.scrollHeight;
}

// ------------------------------------------------------------------------------------------------
// Controls

$("pause").addEventListener("click", () =>
  attempt(post("/api/control", { action: workbench.state && workbench.state.paused ? "resume" : "pause" })));
$("step").addEventListener("click", () => attempt(post("/api/control", { action: "step" })));
$("speed").addEventListener("change", () => attempt(post("/api/control", { action: "speed", speed: $("speed").value })));
$("reset").addEventListener("click", () => attempt(post("/api/control", { action: "reset" }).then(() => message("reset: a new session", "ok"))));
$("rects").addEventListener("change", () => {
  showRects = $("rects").checked;
  drawOverlay();
});
$("save").addEventListener("submit", async (ev) => {
  ev.preventDefault();
  try {
    const r = await post("/api/save", { name: $("save-name").value, overwrite: $("save-overwrite").checked ? "1" : "0" });
    workbench.lastSave = r;
    if (r.replay.same)
      message(`saved ${r.file} (${r.lines} lines); its run prints the session's ${r.trace_lines} trace lines — also in ${r.replay.trace_file}`, "ok");
    else
      message(`saved ${r.file}, but its run differs: ${r.replay.difference}`, "error");
  } catch (e) {
    message(e.message, "error");
  }
});

function selectWindow(i) {
  workbench.window = i;
  for (const b of document.querySelectorAll("#windows button")) b.classList.toggle("current", Number(b.dataset.index) === i);
  requestView();
  attempt(loadRects());
}

// ------------------------------------------------------------------------------------------------
// Start

function connect() {
  const since = workbench.log.length ? workbench.log[workbench.log.length - 1].seq : 0;
  const events = new EventSource(`/api/stream?log_after=${since}`);
  events.addEventListener("open", () => { workbench.connected = true; $("status").firstChild && null; });
  events.addEventListener("frame", (ev) => {
    const f = JSON.parse(ev.data);
    queueFrame(f);
  });
  events.addEventListener("log", (ev) => addLog(JSON.parse(ev.data)));
  events.addEventListener("state", (ev) => showState(JSON.parse(ev.data)));
  events.addEventListener("bye", () => {
    events.close();
    workbench.connected = false;
    $("status").textContent = "the workbench has stopped";
  });
  events.addEventListener("error", () => { workbench.connected = false; });
}

function statusLine() {
  const s = $("status");
  s.replaceChildren();
  for (const id of ["clock", "fps", "latency"]) {
    const span = document.createElement("span");
    span.id = id;
    s.append(span, "   ");
  }
}

async function start() {
  statusLine();
  buildFilters();
  const session = await get("/api/session");
  workbench.session = session;
  $("source").textContent = session.source;
  session.windows.forEach((w, i) => {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = w.title;
    b.dataset.index = i;
    b.dataset.id = i;
    b.addEventListener("click", () => selectWindow(i));
    $("windows").appendChild(b);
  });
  for (const p of session.presets) {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = p.description;
    b.dataset.preset = p.name;
    b.addEventListener("click", () => attempt(post("/api/preset", { name: p.name }).then(() => message(p.description, "ok"))));
    $("presets").appendChild(b);
  }
  selectWindow(0);
  connect();
  let resizeTimer = null;
  window.addEventListener("resize", () => {
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(requestView, 150);
  });
  let counted = 0, at = performance.now();
  setInterval(() => {
    const now = performance.now();
    const fps = ((workbench.framesDrawn - counted) * 1000) / (now - at);
    counted = workbench.framesDrawn;
    at = now;
    workbench.fps = fps;
    $("fps").textContent = `${fps.toFixed(1)} pictures/s` + (workbench.state ? `, drawn in ${workbench.state.draw_ms.toFixed(1)} ms` : "");
  }, 1000);
}

start().catch((e) => message("cannot start: " + e.message, "error"));
