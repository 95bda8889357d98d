// The page: the five programs to choose from, and the one chosen running on
// a terminal (xterm.js) that the page drives as a terminal in its usual mode
// would: typed characters echo, Backspace edits the line, Enter sends it,
// Ctrl-D on an empty line is the end of input, Ctrl-C stops the program.
// The programs write GBK, which the terminal decodes (the browser's own
// decoder, streaming, so that a character split between writes stays whole).
import { describeFailure, describeStep, drawContainers } from "./drawing.js";
import { LineDiscipline, OrderedWriter } from "./line.js";
import { loadProgram, Run } from "./runtime.js";

const TEXTS = {
  en: {
    title: "Containers at work",
    intro: "Five small programs, each driving one container of int through a numbered " +
      "menu. Pick one: it runs here, in this page, as it would in a terminal.",
    keys: "Type a choice's number and press Enter; after each result the program waits " +
      "for Enter. 0 ends it, as does Ctrl-D on an empty line; Ctrl-C stops it. " +
      "Tab leaves the terminal.",
    again: "Start it again (R)",
    licence: "Licence: MIT",
    terminalLicence: "The terminal, xterm.js: MIT",
    terminalInput: "Terminal input",
    enter: "Enter",
    backspace: "⌫",
    backspaceName: "Backspace",
    tooMuchOutput: "Too much output to announce, navigate to rows manually to read",
    other: "中文",
    loading: (name) => `Loading ${name}…`,
    ended: (name, status) => `${name} ended with status ${status}.`,
    chose0: (name) => `${name} ended with status 0: choice 0.`,
    endOfInput: (name) => `${name} ended with status 0: Ctrl-D, the end of its input.`,
    failedBecause: (name, why) => `${name}: ${why}.`,
    interrupted: (name) => `${name} was stopped by Ctrl-C.`,
    broken: (name, error) => `${name} could not go on in this page: ${error}`,
    unknown: (name) => `There is no program called “${name}” here; the programs are below.`,
    containers: "The containers",
    pause: "Pause",
    resume: "Go on",
    stepMove: "One move",
    finishStep: "Finish the step",
    pace: "Pace",
    paces: ["slow", "normal", "fast"],
    history: "What each step did",
    copyHistory: "Copy",
    saveHistory: "Download",
    historyCopied: "The steps are copied.",
    copyLink: "Copy a link to this session",
    stepBack: "Step back",
    copied: "The link is copied: it opens the program and types these lines again.",
    notCopied: (copied) => `Copy this: ${copied}`,
    listFailed: (error) => `The list of programs could not be loaded: ${error}`,
  },
  zh: {
    title: "容器的工作",
    intro: "五个小程序，每个通过编号菜单操作一个 int 容器。选择一个：它就在这个页面里运行，" +
      "和在终端里一样。",
    keys: "输入选项的编号并按回车；每次显示结果后，程序等待回车。选 0 或在空行上按 Ctrl-D " +
      "结束程序，Ctrl-C 中止程序。按 Tab 离开终端。",
    again: "重新开始（R）",
    licence: "许可证：MIT",
    terminalLicence: "终端 xterm.js：MIT",
    terminalInput: "终端输入",
    enter: "回车",
    backspace: "⌫",
    backspaceName: "退格",
    tooMuchOutput: "输出太多，无法朗读，请逐行浏览",
    other: "English",
    loading: (name) => `正在加载 ${name}……`,
    ended: (name, status) => `${name} 已结束，状态为 ${status}。`,
    chose0: (name) => `${name} 已结束，状态为 0：选择了 0。`,
    endOfInput: (name) => `${name} 已结束，状态为 0：按了 Ctrl-D，输入结束。`,
    failedBecause: (name, why) => `${name}：${why}。`,
    interrupted: (name) => `${name} 已被 Ctrl-C 中止。`,
    broken: (name, error) => `${name} 无法在本页面中继续运行：${error}`,
    unknown: (name) => `这里没有名为“${name}”的程序；程序列表如下。`,
    containers: "容器",
    pause: "暂停",
    resume: "继续",
    stepMove: "走一步",
    finishStep: "完成这一步",
    pace: "速度",
    paces: ["慢", "中", "快"],
    history: "每一步做了什么",
    copyHistory: "复制",
    saveHistory: "下载",
    historyCopied: "步骤已复制。",
    copyLink: "复制本次操作的链接",
    stepBack: "后退一步",
    copied: "链接已复制：打开它会启动程序并重新输入这些行。",
    notCopied: (copied) => `请复制：${copied}`,
    listFailed: (error) => `无法加载程序列表：${error}`,
  },
};

const THEMES = {
  light: { background: "#ffffff", foreground: "#1f2328", cursor: "#1f2328",
    selectionBackground: "#b6d7ff" },
  dark: { background: "#0d1117", foreground: "#e6edf3", cursor: "#e6edf3",
    selectionBackground: "#264f78" },
};

const $ = (id) => document.getElementById(id);
const dark = matchMedia("(prefers-color-scheme: dark)");
// The programs to choose from; where they cannot be had, the page says why
// rather than show an empty list.
let programs = [];
let listError = null;
try {
  const response = await fetch("programs.json");
  if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
  programs = await response.json();
} catch (error) {
  listError = error;
}
const modules = new Map();  // compiled programs, by name
let language = localStorage.getItem("language") ??
  ((navigator.languages?.[0] ?? navigator.language ?? "").toLowerCase().startsWith("zh")
    ? "zh" : "en");
let terminal = null;
let writer = null;  // the terminal's writes, in order (line.js)
// The running program, what it wrote, its terminal's line discipline; whether
// the end of input was typed, to say how it ended; the lines typed so far,
// each ended by Enter, which a link or a step back types again (at once,
// or not); the containers as the program last described them, what each
// step did to them (the states before and after it, and how many stack
// operations it took), the states still to be drawn one move at a time,
// and the one drawn now.
let session = null;  // { name, run, discipline, output, decoders, ending, endTyped,
                     //   lines, replaying, atOnce, state, steps, frames, shown }
// How long each move stays drawn, by pace; whether the moves are paused.
const PACES_MS = [900, 350, 100];
let pace = 1;
let paused = false;
let playing = null;  // the timer of the next move
// What the page has to say above the list: a program asked for that is not
// there, or a list that could not be loaded.
let notice = null;

// What tests and curious people can read of the running program.
window.terminalPage = {
  get waiting() { return Boolean(session?.run?.waiting); },
  get ended() { return session?.ending ?? null; },
  get output() { return session?.output ?? ""; },
  get program() { return session?.name ?? null; },
  get fontSize() { return terminal?.options.fontSize ?? null; },
  get replaying() { return Boolean(session?.replaying); },
  get link() { return session ? sessionLink() : null; },
  get containers() { return session?.state ?? null; },
  get moves() { return session?.steps.at(-1)?.moves ?? 0; },
  // The containers' state after each step that changed them.
  get states() { return session?.steps.map(({ after }) => after) ?? []; },
  get drawn() { return session?.shown ?? null; },
  get steps() { return [...document.querySelectorAll("#history li")].map((li) => li.textContent); },
  firstMenuAt: null,
  screen() {
    const buffer = terminal.buffer.active;
    const rows = [];
    for (let i = 0; i < buffer.length; i++) rows.push(buffer.getLine(i).translateToString(true));
    while (rows.length && rows.at(-1) === "") rows.pop();
    return rows.slice(buffer.baseY).join("\n");
  },
  // Resolves once the terminal has shown everything written to it so far.
  settled() {
    return new Promise((resolve) => writer.writeLaidOut(() => {
      resolve();
      return "";
    }));
  },
};

function text() {
  return TEXTS[language];
}

function showTexts() {
  document.documentElement.lang = language === "zh" ? "zh-CN" : "en";
  for (const element of document.querySelectorAll("[data-text]")) {
    element.textContent = text()[element.dataset.text];
  }
  // What a screen reader hears of the terminal itself, in the page's language.
  Terminal.strings.promptLabel = text().terminalInput;
  Terminal.strings.tooMuchOutput = text().tooMuchOutput;
  terminal?.textarea?.setAttribute("aria-label", text().terminalInput);
  document.querySelector('#keys [data-key="backspace"]')
    .setAttribute("aria-label", text().backspaceName);
  $("language").textContent = text().other;
  showPlayback();
  $("notice").hidden = notice === null;
  $("notice").textContent = notice?.() ?? "";
  $("language").lang = language === "zh" ? "en" : "zh";
  document.title = session ? `${session.name} · ${text().title}` : text().title;
  const list = $("programs");
  list.replaceChildren(...programs.map((program) => {
    const item = document.createElement("li");
    const link = document.createElement("a");
    link.href = `?program=${program.name}`;
    const name = document.createElement("strong");
    name.textContent = program.name;
    const summary = document.createElement("span");
    summary.textContent = program[language].summary;
    const paragraph = document.createElement("span");
    paragraph.textContent = program[language].text;
    link.append(name, summary, paragraph);
    link.addEventListener("click", (event) => {
      event.preventDefault();
      history.pushState(null, "", link.href);
      route();
    });
    item.append(link);
    return item;
  }));
  if (session) {
    const program = programs.find(({ name }) => name === session.name);
    $("program-name").textContent = session.name;
    // Under its name the program's paragraph reads on; its summary, a
    // manual page's lower-case subtitle, would only say the class again.
    $("program-text").textContent = program[language].text;
    if (session.ending !== null) $("status").textContent = describe(session.ending);
    showContainers();
  }
}

// The playback controls in the page's language.
function showPlayback() {
  $("pause").textContent = paused ? text().resume : text().pause;
  $("pause").setAttribute("aria-pressed", String(paused));
  $("pace-label").textContent = text().pace;
  for (const [i, option] of [...$("pace").options].entries()) option.textContent = text().paces[i];
}

function describe(ending) {
  const name = session.name;
  if (ending === "interrupted") return text().interrupted(name);
  if (ending instanceof Error) return text().broken(name, ending.message);
  if (ending === -1) {
    return text().failedBecause(name,
      describeFailure(name, session.state, session.lines.at(-1), language));
  }
  if (ending === 0) return session.endTyped ? text().endOfInput(name) : text().chose0(name);
  return text().ended(name, ending);
}

const FONT =
  'ui-monospace, "Cascadia Mono", "DejaVu Sans Mono", "Noto Sans Mono CJK SC", monospace';

// The terminal's width and type size for the room the page gives it: 80
// columns where they fit at a readable size; else the 64 that the programs'
// menus take, the type as large as fits but never below 12 px (a phone
// held upright), and longer output wraps, as on any narrow terminal. Where
// 64 columns do not fit at 12 px, the terminal scrolls sideways.
function fit() {
  const box = $("terminal");
  const style = getComputedStyle(box);
  const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const measure = document.createElement("canvas").getContext("2d");
  measure.font = `100px ${FONT}`;
  const advance = measure.measureText("0").width / 100;  // a column, for each px of type
  const size = (cols) => Math.min(15, Math.floor(room / cols / advance));
  return size(80) >= 12 ? { cols: 80, fontSize: size(80) }
    : { cols: 64, fontSize: Math.max(12, size(64)) };
}

// Fits the terminal again when the room changes (a phone turned, a window
// resized) and whenever a program starts in it.
function refit() {
  if (!terminal || $("session").hidden) return;
  const { cols, fontSize } = fit();
  terminal.options.fontSize = fontSize;
  terminal.resize(cols, terminal.rows);
}

function makeTerminal() {
  terminal = new Terminal({
    convertEol: true,
    rows: 24,
    ...fit(),
    fontFamily: FONT,
    cursorBlink: true,
    // Its rows in the page's accessibility tree, and new output announced:
    // without it a screen reader finds an input box and nothing to read.
    screenReaderMode: true,
    theme: THEMES[dark.matches ? "dark" : "light"],
  });
  terminal.open($("terminal"));
  writer = new OrderedWriter(terminal);
  addEventListener("resize", refit);
  // Tab moves the focus on, out of the terminal, as everywhere in the page.
  terminal.attachCustomKeyEventHandler((event) => event.key !== "Tab");
  terminal.onData(typed);
  const theme = () => {
    terminal.options.theme = THEMES[dark.matches ? "dark" : "light"];
    $("terminal").style.setProperty("--terminal", terminal.options.theme.background);
  };
  dark.addEventListener("change", theme);
  theme();
}

// The lines a link carries, as ?input=LINE,LINE,...: each line's own
// characters are percent-encoded, so that a comma or a plus in one stays
// in it; an empty one is a bare Enter.
function linkedLines() {
  const found = /[?&]input=([^&]*)/.exec(location.search);
  if (!found) return [];
  try {
    return found[1].split(",").map(decodeURIComponent);
  } catch {
    return [];  // not percent-encoding: no lines
  }
}

// The address that opens this program and types its lines so far again.
function sessionLink() {
  const input = session.lines.map(encodeURIComponent).join(",");
  return `${location.origin}${location.pathname}?program=${session.name}` +
    (session.lines.length ? `&input=${input}` : "");
}

// Types lines into the program as a person would, each ended by Enter,
// at the chosen pace (or at once), until they are typed or the program
// ends.
async function replay(current, lines, atOnce) {
  current.replaying = true;
  current.atOnce = atOnce;
  for (const line of lines) {
    if (session !== current || current.run.over) break;
    typed(line + "\r");
    if (!atOnce) await new Promise((resolve) => setTimeout(resolve, PACES_MS[pace]));
  }
  current.replaying = false;
  current.atOnce = false;
}

async function start(name, lines = [], atOnce = true) {
  session?.run?.stop();
  session = { name, run: null, discipline: null, output: "",
    ending: null, endTyped: false, lines: [], replaying: false, atOnce: false, state: null,
    steps: [],
    frames: [], shown: null,
    decoders: [null, new TextDecoder("gbk"), new TextDecoder("gbk")] };
  const current = session;
  $("choose").hidden = true;
  $("session").hidden = false;
  $("end").hidden = true;
  $("tool-status").textContent = "";
  showTexts();
  if (terminal) refit();
  else makeTerminal();
  writer.forget();
  terminal.reset();
  writer.write(text().loading(name));
  if (!modules.has(name)) {
    try {
      modules.set(name, await loadProgram(`programs/${name}.wasm.gz`));
    } catch (error) {
      if (session === current) finish(current, error);
      return;
    }
  }
  if (session !== current) return;  // another program was chosen meanwhile
  writer.forget();
  terminal.reset();
  current.run = new Run(modules.get(name), name, {
    output: (fd, bytes) => {
      const decoded = current.decoders[fd].decode(bytes, { stream: true });
      current.output += decoded;
      writer.write(decoded);
    },
    ended: (ending) => finish(current, ending),
  });
  current.discipline = discipline(current);
  terminal.focus();
  current.run.start();
  if (current.run.waiting && window.terminalPage.firstMenuAt === null) {
    window.terminalPage.firstMenuAt = performance.now();
  }
  observe(current);
  if (lines.length) await replay(current, lines, atOnce);
}

// Asks the program, waiting for input, for its containers: the drawing
// shows them, and the history what the step just taken did to them.
// The moves inside the step are drawn one at a time, at the chosen pace,
// behind the program, which never waits for them; where the person asks
// for less motion, and for a session typed again at once, each state
// shows at once.
function observe(current) {
  const moves = current.run?.moves() ?? [];
  const state = current.run?.containers();
  if (!state || current !== session) return;
  // A step that changed nothing (the Enter after a result) draws nothing.
  if (JSON.stringify(state) === JSON.stringify(current.state)) return;
  if (current.state) {
    current.steps.push({ before: current.state, after: state, moves: moves.length });
  }
  current.state = state;
  const atOnce = matchMedia("(prefers-reduced-motion: reduce)").matches || current.atOnce;
  if (atOnce || !current.shown) {
    current.frames = [];
    current.shown = state;
  } else {
    current.frames.push(...(moves.length > 1 ? moves : []), state);
  }
  showContainers();
  play();
}

// Draws the next state waiting, and schedules the one after.
function nextMove() {
  playing = null;
  if (!session?.frames.length) return;
  session.shown = session.frames.shift();
  drawShown();
  if (!paused) play();
}

function play() {
  if (playing === null && !paused && session?.frames.length) {
    playing = setTimeout(nextMove, PACES_MS[pace]);
  }
}

function stopPlaying() {
  clearTimeout(playing);
  playing = null;
}

function drawShown() {
  $("drawing").innerHTML = session.shown ? drawContainers(session.shown, language) : "";
}

function showContainers() {
  drawShown();
  const entries = session.steps.map(({ before, after, moves }) =>
    describeStep(before, after, language, moves)).filter(Boolean);
  if (session.ending !== null) entries.push(describe(session.ending));
  $("history").replaceChildren(...entries.map((entry) => {
    const item = document.createElement("li");
    item.textContent = entry;
    return item;
  }));
  $("history").scrollTop = $("history").scrollHeight;  // the latest in sight, the page still
  $("announce").textContent = entries.at(-1) ?? "";
}

function finish(current, ending) {
  if (current !== session) return;
  for (const fd of [1, 2]) {
    const rest = current.decoders[fd].decode();
    current.output += rest;
    writer.write(rest);
  }
  current.ending = ending;
  $("status").textContent = describe(ending);
  $("end").hidden = false;
  showContainers();
  // The focus stays in the terminal: an Enter or a Space pressed there out
  // of habit leaves the ended screen as it is; R starts the program again.
}

// What the keyboard types: after the end, R starts the program again;
// while it runs, its terminal's line discipline takes it (line.js).
function typed(data) {
  if (session && session.ending !== null && /^[rR]$/.test(data)) {
    start(session.name);
    return;
  }
  if (session?.run && !session.run.over) session.discipline.typed(data);
}

// The line discipline of a session's terminal, which gives the session's
// program what is typed.
function discipline(current) {
  const encoder = new TextEncoder();
  return new LineDiscipline(writer, {
    sent: (line) => {
      current.lines.push(line);
      current.run.give(encoder.encode(line + "\n"));
      observe(current);
    },
    end: (rest) => {
      if (!rest) current.endTyped = true;
      current.run.give(rest ? encoder.encode(rest) : null);
      observe(current);
    },
    interrupted: () => {
      current.run.stop();
      finish(current, "interrupted");
    },
    over: () => session !== current || !current.run || current.run.over,
  });
}

// The address says what to show: ?program=NAME opens that program.
function route() {
  const name = new URLSearchParams(location.search).get("program");
  if (programs.some((program) => program.name === name)) {
    notice = null;
    if (session?.name !== name || session.ending !== null) {
      start(name, linkedLines(), matchMedia("(prefers-reduced-motion: reduce)").matches);
    }
  } else {
    if (listError) notice = () => text().listFailed(listError.message);
    else if (name !== null) notice = () => text().unknown(name);
    else notice = null;
    session?.run?.stop();
    session = null;
    $("session").hidden = true;
    $("choose").hidden = false;
    showTexts();
  }
}

$("language").addEventListener("click", () => {
  language = language === "zh" ? "en" : "zh";
  localStorage.setItem("language", language);
  showTexts();
  // The next line typed goes to the program, not to this button.
  if (session) terminal?.focus();
});
// A program at work is not left or reloaded without a question: its
// session would be lost.
addEventListener("beforeunload", (event) => {
  if (session?.run && session.ending === null) event.preventDefault();
});
$("again").addEventListener("click", () => start(session.name));
// The history as text, one step a line: copied, or saved as a file.
function historyText() {
  return [...$("history").children].map((item, i) => `${i + 1}. ${item.textContent}`).join("\n") +
    "\n";
}
// Copies text, saying so; where the clipboard cannot be written, the text
// is shown to copy by hand.
async function copy(copied, said) {
  try {
    await navigator.clipboard.writeText(copied);
    $("tool-status").textContent = said;
  } catch {
    $("tool-status").textContent = text().notCopied(copied);
  }
}
$("copy-history").addEventListener("click", () => copy(historyText(), text().historyCopied));
$("save-history").addEventListener("click", () => {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([historyText()], { type: "text/plain;charset=utf-8" }));
  link.download = `${session.name}-steps.txt`;
  link.click();
  URL.revokeObjectURL(link.href);
});
// The moves: paused and on again, one at a time, all of the step at once,
// and their pace.
$("pause").addEventListener("click", () => {
  paused = !paused;
  if (paused) stopPlaying();
  else play();
  showPlayback();
});
$("one-move").addEventListener("click", () => {
  stopPlaying();
  nextMove();
});
$("finish-step").addEventListener("click", () => {
  stopPlaying();
  if (session?.frames.length) {
    session.shown = session.frames.at(-1);
    session.frames = [];
    drawShown();
  }
});
$("pace").addEventListener("change", () => {
  pace = Number($("pace").value);
  stopPlaying();
  play();
});
// The session so far as a link, for a teacher to share a prepared lesson.
$("copy-link").addEventListener("click", () => copy(sessionLink(), text().copied));
// The programs are deterministic: one step back is the same input less its
// last line, typed again from the start at once.
$("step-back").addEventListener("click", () => {
  start(session.name, session.lines.slice(0, -1));
  terminal.focus();
});
// The keys under the terminal on a touch screen, where there is no Ctrl
// key: each types what its key on a keyboard types. The focus stays where
// it is, so that a phone's own keyboard does not open over the terminal.
const KEYS = { enter: "\r", backspace: "\x7f", "ctrl-d": "\x04", "ctrl-c": "\x03" };
for (const key of document.querySelectorAll("#keys button")) {
  key.addEventListener("click", () => typed(KEYS[key.dataset.key] ?? key.dataset.key));
}
$("home").addEventListener("click", (event) => {
  event.preventDefault();
  history.pushState(null, "", "./");
  route();
});
addEventListener("popstate", route);
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
route();
