// The web page in a real browser (headless Chromium, driven by
// puppeteer-core), served as a person would serve it: python3's
// http.server in the site's folder. For each program, a session is typed
// into the page's terminal and what the program wrote there is compared
// with what the same input gives it on a pipe (Node.js's WASI, the same
// .wasm), decoded; then an overflow, its end in words, Enter after it and
// the restart; the language switch; an unknown program and the page opened
// as a file; a session opened from a link, and a step back; the drawing of
// each program's containers against what the program itself reports; the page
// offline once loaded, then on a phone's width, tapped on its keys; and the
// site's size.
// Prints how long the first menu took to show (a figure for the docs, not
// a verdict).
//
//   node page_test.mjs --site DIR --modules DIR --programs DIR --runner run_wasi.cjs
//                      --browser /usr/bin/chromium [--python python3]
import { spawn, spawnSync } from "node:child_process";
import { readdirSync, statSync } from "node:fs";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";
import { parseArgs } from "node:util";
import { heldValues } from "../../web/drawing.js";

const { values: options } = parseArgs({
  options: Object.fromEntries(["site", "modules", "programs", "runner", "browser", "python"]
    .map((name) => [name, { type: "string" }])),
});
const puppeteer = createRequire(resolve(options.modules, "x"))("puppeteer-core");
const CLEAR = "\x1b[H\x1b[2J";
const SITE_LIMIT = 1.5 * 1024 * 1024;
// The suite's guard against a hang, for each wait here and for puppeteer's
// own (the browser's start, a page's load), in place of its 30 s.
const GUARD_MS = 60000;

// A session: the lines typed (each ended by Enter; "\b" is Backspace; a Tab
// is pasted, since Tab leaves the terminal), and how it ends: "eof" (Ctrl-D
// on an empty line) or the program's own exit.
const STACK = ["1\t3", "", "6", "", "6", "", "9", "", "7", "", "7\b9", "", "abc", "", "3", ""];
const RECSTACK = ["1", "", "6", "", "6", "", "9", "", "7", "", "7\b9", "", "abc", "", "3", ""];
// The queues' capacity is typed long first and erased: from column 34, 40
// characters, a Tab that stops at the row's last column, 10 more that fill it
// and wrap onto the next row.
const QUEUE = ["1", `${"9".repeat(40)}\t${"9".repeat(10)}${"\b".repeat(51)}3`, "", "4", "", "4", "",
  "7", "", "5", "", "5\b7", "", "abc", "", "3", ""];
const SESSIONS = {
  stackcon: { typed: STACK, overflow: ["2", "", "6"] },
  objstack: { typed: STACK, overflow: ["2", "", "6"] },
  recstack: { typed: RECSTACK, overflow: ["2", "", "6"] },
  pairqueue: { typed: QUEUE, overflow: ["2", "", "4"] },
  heirqueue: { typed: QUEUE, overflow: ["2", "", "4"] },
};

const failures = [];
function check(condition, what) {
  if (!condition) failures.push(what);
  return condition;
}

// What a line typed with Backspaces sends.
const edited = (line) => [...line].reduce((sent, key) => (key === "\b" ? sent.slice(0, -1)
  : sent + key), "");

function onPipe(program, lines) {
  const input = lines.map((line) => edited(line) + "\n").join("");
  const run = spawnSync(process.execPath, ["--no-warnings", options.runner,
    join(options.programs, `${program}.wasm`)], { input });
  return { output: new TextDecoder("gbk").decode(run.stdout), status: run.status };
}

async function serve() {
  const server = spawn(options.python ?? "python3",
    ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1"],
    { cwd: options.site, stdio: ["ignore", "pipe", "ignore"] });
  const port = await new Promise((resolve, reject) => {
    server.stdout.on("data", (data) => {
      const found = /port (\d+)/.exec(String(data));
      if (found) resolve(found[1]);
    });
    server.on("exit", () => reject(new Error("http.server ended")));
  });
  return { server, origin: `http://127.0.0.1:${port}/` };
}

// Waits for the page to reach a state; the bound only guards against a hang.
// Asked from here, every 20 ms, of whatever document the page holds:
// puppeteer's waitForFunction, which polls inside the page, once went on
// waiting for a minute after the state was reached.
async function until(page, state, what) {
  const giveUp = Date.now() + GUARD_MS;
  for (;;) {
    // Between two documents there is none to ask: not yet.
    if (await page.evaluate(state).catch(() => false)) return;
    if (Date.now() > giveUp) break;
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  const seen = await page.evaluate(() => JSON.stringify(window.terminalPage ?? null));
  throw new Error(`${page.url()}: waited in vain for ${what}; the page: ${seen}`);
}

const waitForRead = (page) => until(page, () => terminalPage.waiting || terminalPage.ended !== null,
  "the program to read or end");

async function type(page, lines) {
  for (const line of lines) {
    for (const key of line) {
      if (key === "\b") await page.keyboard.press("Backspace");
      else if (key === "\t") await page.evaluate(() => {
        const pasted = new DataTransfer();
        pasted.setData("text/plain", "\t");
        document.activeElement.dispatchEvent(new ClipboardEvent("paste",
          { clipboardData: pasted, bubbles: true, cancelable: true }));
      });
      else await page.keyboard.type(key);
    }
    if (line.includes("\b")) {
      const { screen, output } = await page.evaluate(async () => {
        await terminalPage.settled();
        return { screen: terminalPage.screen(), output: terminalPage.output };
      });
      // What is left of an edited line follows the prompt as if typed alone,
      // and what Backspace erased of a long line leaves no trace (a short one
      // could be anywhere in the menu).
      const prompt = output.split("\n").at(-1).split("\t").at(-1);
      check(screen.split("\n").at(-1).trimEnd().endsWith(prompt + edited(line)),
        `${JSON.stringify(line)}: the edited line shown wrong:\n${screen}`);
      const erased = line.split("\b")[0];
      if (erased.length > 8) {
        check(!screen.includes(erased.slice(-8)),
          `${JSON.stringify(line)}: the erased characters still shown:\n${screen}`);
      }
    }
    await page.keyboard.press("Enter");
    await waitForRead(page);
  }
}

async function session(page, origin, program) {
  const { typed, overflow } = SESSIONS[program];
  await page.goto(`${origin}?program=${program}`);
  await until(page, () => terminalPage.firstMenuAt !== null, "the first menu");
  const firstMenu = await page.evaluate(() => terminalPage.firstMenuAt);
  // A screen reader is given the terminal's rows, not only its input box.
  await until(page, () => document.querySelector(".xterm-accessibility-tree")?.textContent
    .includes("Menu for"), "the menu in the rows a screen reader reads");

  // A session ended by Ctrl-D on an empty line: as on a pipe to its end.
  await type(page, typed);
  await page.keyboard.down("Control");
  await page.keyboard.press("d");
  await page.keyboard.up("Control");
  await until(page, () => terminalPage.ended !== null, "the program's end");
  let shown = await page.evaluate(() => ({ output: terminalPage.output,
    ended: terminalPage.ended, status: document.getElementById("status").textContent,
    screen: terminalPage.screen() }));
  let piped = onPipe(program, typed);
  // At a terminal, the end of input takes the program to a new line.
  check(shown.output.split(CLEAR).join("") === piped.output + "\n",
    `${program}: the page's output differs from the pipe's:\n` +
    `${JSON.stringify(shown.output.split(CLEAR).join(""))}\n${JSON.stringify(piped.output)}`);
  check(shown.ended === 0 && piped.status === 0, `${program}: Ctrl-D ended with ${shown.ended}`);
  check(/status 0.*Ctrl-D|状态为 0.*Ctrl-D/.test(shown.status),
    `${program}: Ctrl-D's end shown as "${shown.status}"`);
  const lastScreen = shown.output.split(CLEAR).at(-1).split("\n")
    .map((row) => row.replace(/\s+/g, " ").trim()).filter(Boolean);
  const screen = shown.screen.replace(/\s+/g, " ");
  check(lastScreen.every((row) => screen.includes(row)) && !/[\ufffd\x1b]/.test(screen),
    `${program}: the screen does not show the last menu as written:\n${shown.screen}`);

  // An overflow ends the program with status -1, which the page says in
  // words; the button starts it again at its first menu.
  await page.keyboard.press("Tab");  // out of the terminal and back, by keyboard
  await page.keyboard.down("Shift");
  await page.keyboard.press("Tab");
  await page.keyboard.up("Shift");
  await page.evaluate(() => document.getElementById("again").click());
  await waitForRead(page);
  await type(page, overflow);
  await until(page, () => terminalPage.ended !== null, "the program's end");
  shown = await page.evaluate(() => ({ output: terminalPage.output, ended: terminalPage.ended,
    status: document.getElementById("status").textContent,
    focused: document.activeElement.id }));
  piped = onPipe(program, overflow);
  check(shown.output.split(CLEAR).join("") === piped.output && piped.status === 255 &&
    shown.ended === -1, `${program}: the overflow gave ${shown.ended}, not -1, or other output`);
  check(/-1/.test(shown.status) && /overflow|上溢/.test(shown.status) &&
    !/reported|报告/.test(shown.status),
    `${program}: an overflow's end shown as "${shown.status}"`);
  // Enter and Space out of habit keep the ended screen; R starts again.
  await page.keyboard.press("Enter");
  await page.keyboard.press("Space");
  const kept = await page.evaluate(() => ({ output: terminalPage.output,
    ended: terminalPage.ended }));
  check(kept.ended === -1 && kept.output === shown.output,
    `${program}: Enter or Space after the end changed the page: ended ${kept.ended}`);
  await page.keyboard.press("r");
  await waitForRead(page);
  const restarted = await page.evaluate(() => terminalPage.output);
  check(restarted === onPipe(program, []).output.replace(/^/, CLEAR),
    `${program}: the restart does not show the first menu: ${JSON.stringify(restarted)}`);
  return firstMenu;
}

async function languages(page, origin) {
  await page.goto(origin);
  await page.waitForSelector("#programs li");
  const before = await page.evaluate(() => [document.documentElement.lang,
    document.querySelector("h1").textContent, document.querySelector("#programs li").textContent]);
  await page.click("#language");
  const after = await page.evaluate(() => [document.documentElement.lang,
    document.querySelector("h1").textContent, document.querySelector("#programs li").textContent]);
  check(before[0] === "en" && after[0] === "zh-CN" && /[\u4e00-\u9fff]/.test(after[2]) &&
    !/[\u4e00-\u9fff]/.test(before[1]) && /[\u4e00-\u9fff]/.test(after[1]),
    `the language switch: ${JSON.stringify(before)} became ${JSON.stringify(after)}`);
  await page.click("#language");  // back to what the browser asks for

  // A program asked for that is not there is named above the list.
  await page.goto(`${origin}?program=nosuch`);
  await page.waitForSelector("#programs li");
  const notice = await page.evaluate(() => !document.getElementById("notice").hidden &&
    document.getElementById("notice").textContent);
  check(/nosuch/.test(notice || ""), `?program=nosuch says: ${JSON.stringify(notice)}`);

  // Running, the language switch gives the focus back to the terminal.
  await page.goto(`${origin}?program=stackcon`);
  await waitForRead(page);
  await page.click("#language");
  const focused = await page.evaluate(() =>
    document.activeElement.classList.contains("xterm-helper-textarea"));
  check(focused, "after the language switch the focus is not in the terminal");
  await page.click("#language");
}

// Opened as a file, the page says in one line what it needs.
async function asAFile(page) {
  await page.goto(`file://${resolve(options.site, "index.html")}`);
  const said = await page.evaluate(() => !document.getElementById("file").hidden &&
    document.getElementById("file").textContent);
  check(/python3 -m http\.server/.test(said || ""),
    `as a file the page says: ${JSON.stringify(said)}`);
}

// A link with ?input= types its lines into the program, and the page's own
// link to the session carries them; a step back gives what the input less
// its last line gives.
async function links(page, origin) {
  const lines = ["1", "5", "", "6", "", "6", "", "7"];
  const input = (some) => some.map(encodeURIComponent).join(",");
  // An expression for the page: the program waits, once the lines are typed.
  const typedBy = (some) => "terminalPage.waiting && !terminalPage.replaying && " +
    `terminalPage.link.endsWith(${JSON.stringify(`&input=${some}`)})`;
  // On a pipe the input then ends, which shows the next menu; in the page
  // the program waits for Enter before it.
  const menu = onPipe("stackcon", []).output;
  await page.goto(`${origin}?program=stackcon&input=${input(lines)}`);
  await until(page, typedBy(input(lines)), "the link's lines to be typed");
  let output = await page.evaluate(() => terminalPage.output);
  check(output.split(CLEAR).join("") + menu === onPipe("stackcon", lines).output,
    `the link's session differs from the pipe's: ${JSON.stringify(output.slice(-200))}`);
  await page.click("#step-back");
  await until(page, typedBy(input(lines.slice(0, -1))), "a step back");
  output = await page.evaluate(() => terminalPage.output);
  const atOnce = await page.evaluate(() =>
    JSON.stringify(terminalPage.drawn) === JSON.stringify(terminalPage.containers));
  check(atOnce, "a step back does not draw its end at once");
  // Less its last line the input ends at a menu, as on a pipe.
  check(output.split(CLEAR).join("") === onPipe("stackcon", lines.slice(0, -1)).output,
    `a step back differs from the input less its last line: ${JSON.stringify(output.slice(-200))}`);
  // Choice 0 ends it, and the page says so.
  await page.focus(".xterm-helper-textarea");
  await type(page, ["0"]);
  const end = await page.evaluate(() => ({ ended: terminalPage.ended,
    status: document.getElementById("status").textContent }));
  check(end.ended === 0 && /status 0: choice 0/.test(end.status), `choice 0's end: ${end.status}`);
}

// The drawing follows the program: after a few steps, shown at once where
// reduced motion is asked for, what the page draws of the working container
// is what the program's own print, count and size choices report; popping
// it empty and once more ends in the words for an underflow.
const DRAWN = {
  stackcon: { make: ["1", "4", ""], push: "6", pop: "7", print: "9", count: "4", size: "3" },
  objstack: { make: ["1", "4", ""], push: "6", pop: "7", print: "9", count: "4", size: "3" },
  recstack: { make: ["1", ""], push: "6", pop: "7", print: "9", count: "4", size: "3" },
  pairqueue: { make: ["1", "4", ""], push: "4", pop: "5", print: "7", count: "3" },
  heirqueue: { make: ["1", "4", ""], push: "4", pop: "5", print: "7", count: "3" },
};

async function drawn(page, origin, program) {
  const { make, push, pop, print, count, size } = DRAWN[program];
  const lines = [...make, push, "", push, "", push, "", pop, ""];
  await page.goto(`${origin}?program=${program}&input=${lines.join(",")}`);
  await until(page, "terminalPage.waiting && !terminalPage.replaying && " +
    `terminalPage.link.endsWith(${JSON.stringify(lines.join(","))})`, "the steps, at once");
  // What the program says to a choice, and what the page then draws.
  const ask = async (choice) => {
    const from = await page.evaluate(() => terminalPage.output.length);
    await type(page, [choice]);
    const answer = await page.evaluate((start) => {
      const working = terminalPage.containers.containers.find(({ role }) => role === "working");
      const shown = document.querySelector('#drawing [data-role="working"]');
      return { said: terminalPage.output.slice(start), working,
        shown: { capacity: Number(shown.dataset.capacity), count: Number(shown.dataset.count),
          values: [...shown.querySelectorAll(":scope > ol > li.held, :scope > ol.queue > li")]
            .map((item) => Number(item.dataset.value)) } };
    }, from);
    await type(page, [""]);
    return answer;
  };
  const listed = await ask(print);
  const { working } = listed;
  const held = heldValues(working);
  const printed = listed.said.trim().split(/\s+/).map(Number);
  check(JSON.stringify(held) === JSON.stringify(printed) &&
    JSON.stringify(listed.shown.values) === JSON.stringify(printed),
    `${program}: drawn ${JSON.stringify(listed.shown.values)} (state ${JSON.stringify(held)}), ` +
    `printed ${JSON.stringify(printed)}`);
  const counted = await ask(count);
  check(Number(/-?\d+/.exec(counted.said)?.[0]) === counted.working.count &&
    counted.shown.count === counted.working.count,
    `${program}: drawn count ${counted.shown.count}, said ${JSON.stringify(counted.said)}`);
  if (size) {
    const sized = await ask(size);
    check(Number(/-?\d+/.exec(sized.said)?.[0]) === sized.working.capacity &&
      sized.shown.capacity === sized.working.capacity,
      `${program}: drawn capacity ${sized.shown.capacity}, said ${JSON.stringify(sized.said)}`);
  }
  const pops = [];
  for (let i = 0; i <= working.count; i++) pops.push(pop, "");
  await type(page, pops.slice(0, -1));
  await until(page, () => terminalPage.ended !== null, "the underflow's end");
  const end = await page.evaluate(() => ({ ended: terminalPage.ended,
    status: document.getElementById("status").textContent }));
  check(end.ended === -1 && /underflow/.test(end.status) && end.status.includes(`choice ${pop}`),
    `${program}: an underflow's end said as "${end.status}"`);
}

// A QUEIS removal of n elements is 4(n - 1) + 1 stack operations, drawn one
// at a time: paused, one move shows the first, and finishing the step
// shows the program's own state after it.
async function moves(page, origin) {
  await page.goto(`${origin}?program=heirqueue`);
  await waitForRead(page);
  await type(page, ["1", "5", "", "4", "", "4", "", "4", ""]);
  await page.click("#pause");
  await page.click("#finish-step");  // what the steps so far left to draw
  const drawn = () => page.evaluate(() => JSON.stringify(terminalPage.drawn));
  const before = await drawn();
  await page.focus(".xterm-helper-textarea");
  await type(page, ["5"]);
  const state = await page.evaluate(() => ({ moves: terminalPage.moves,
    final: JSON.stringify(terminalPage.containers) }));
  check(state.moves === 4 * (3 - 1) + 1, `a removal of 3 took ${state.moves} moves, not 9`);
  // The history, downloaded as text, says it.
  const saved = await page.evaluate(async () => {
    let href = null;
    const click = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () { href = this.href; };
    const revoke = URL.revokeObjectURL;
    URL.revokeObjectURL = () => {};
    document.getElementById("save-history").click();
    HTMLAnchorElement.prototype.click = click;
    URL.revokeObjectURL = revoke;
    return (await fetch(href)).text();
  });
  check(/^5\. pop 2: the queue holds 3 4, 2 of 5 slots \(9 stack operations\)$/m.test(saved),
    `the history saved as ${JSON.stringify(saved)}`);
  const paused = await drawn();
  await page.click("#one-move");
  const first = await drawn();
  await page.click("#finish-step");
  const after = await drawn();
  check(paused === before && first !== before && first !== state.final && after === state.final,
    "paused, one move and the step's end did not draw the moves in turn");
  await page.click("#pause");  // on again, for what follows
}

// A random session of 100 steps, each a push or a pop followed by the print
// choice: after every step the page's state of the working container holds
// what the program prints of it.
async function randomSession(page, origin, program) {
  const { make, push, pop, print } = DRAWN[program];
  const capacity = program === "recstack" ? 10 : 4;
  let seed = 7;
  const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const lines = [...make];
  let count = 0;
  for (let step = 0; step < 100; step++) {
    const pushing = count === 0 || (count < capacity && random() < 0.5);
    count += pushing ? 1 : -1;
    lines.push(pushing ? push : pop, "", print, "");
  }
  await page.goto(`${origin}?program=${program}&input=${lines.join(",")}`);
  await until(page, "terminalPage.waiting && !terminalPage.replaying && " +
    `terminalPage.link.endsWith(${JSON.stringify(lines.join(","))})`, "a random session");
  const { output, states } = await page.evaluate(() => ({ output: terminalPage.output,
    states: terminalPage.states }));
  // Each pass begins by clearing the screen; the one after each step
  // printed the container, after the menu's prompt.
  const passes = output.split(CLEAR).slice(1);
  let disagreed = null;
  for (let step = 1; step <= 100 && !disagreed; step++) {
    const printed = /操作[：\n]([^]*)$/.exec(passes[2 * step])?.[1].trim().split(/\s+/)
      .filter(Boolean).map(Number);
    const working = states[step].containers.find(({ role }) => role === "working");
    const held = heldValues(working);
    if (JSON.stringify(held) !== JSON.stringify(printed)) {
      disagreed = `step ${step}: drawn ${JSON.stringify(held)}, printed ${JSON.stringify(printed)}`;
    }
  }
  check(states.length === 101 && !disagreed,
    `${program}: a random session's drawing and print disagree ` +
    `(${states.length} states): ${disagreed}`);
}

// A stack too large to draw slot by slot shows its first and last slots,
// an ellipsis between, and its figures.
async function drawnLarge(page, origin) {
  await page.goto(`${origin}?program=stackcon&input=1,100000`);
  await until(page, "terminalPage.waiting && !terminalPage.replaying && " +
    "terminalPage.link.endsWith(\"1,100000\")", "a large stack");
  const shown = await page.evaluate(() => {
    const stack = document.querySelector('#drawing [data-role="working"]');
    const indexes = [...stack.querySelectorAll("li.slot")]
      .map((item) => Number(item.dataset.index));
    return { capacity: stack.dataset.capacity, gaps: stack.querySelectorAll("li.gap").length,
      first: indexes[0], last: indexes.at(-1), slots: indexes.length };
  });
  check(shown.capacity === "100000" && shown.gaps === 1 && shown.first === 0 &&
    shown.last === 99999 && shown.slots < 100, `a large stack drawn as ${JSON.stringify(shown)}`);
}

function siteSize(folder) {
  return readdirSync(folder).reduce((sum, name) => {
    const path = join(folder, name);
    return sum + (statSync(path).isDirectory() ? siteSize(path) : statSync(path).size);
  }, 0);
}

const size = siteSize(options.site);
check(size <= SITE_LIMIT, `the site is ${size} bytes, more than ${SITE_LIMIT}`);
const { server, origin } = await serve();
const browser = await puppeteer.launch({
  executablePath: options.browser,
  timeout: GUARD_MS,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
try {
  const page = await browser.newPage();
  page.setDefaultTimeout(GUARD_MS);
  // Leaving a page whose program is running asks first: counted, and agreed to.
  let leavingAsked = 0;
  page.on("dialog", async (dialog) => {
    if (dialog.type() === "beforeunload") leavingAsked += 1;
    await dialog.accept();
  });
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "light" }]);
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(navigator, "languages", { get: () => ["en-US", "en"] });
  });
  await languages(page, origin);
  await asAFile(page);
  await links(page, origin);
  await moves(page, origin);
  await page.emulateMediaFeatures([{ name: "prefers-reduced-motion", value: "reduce" }]);
  for (const program of Object.keys(DRAWN)) {
    await drawn(page, origin, program);
    await randomSession(page, origin, program);
  }
  await drawnLarge(page, origin);
  await page.emulateMediaFeatures([{ name: "prefers-reduced-motion", value: "no-preference" }]);
  for (const program of Object.keys(SESSIONS)) {
    const firstMenu = await session(page, origin, program);
    console.log(`${program}: first menu ${Math.round(firstMenu)} ms after the page was opened`);
  }
  check(leavingAsked > 0, "leaving a page whose program runs asked nothing");
  // Once loaded, the page works offline: every program was kept.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await page.goto(`${origin}?program=heirqueue`);
  await until(page, () => terminalPage.firstMenuAt !== null, "the first menu, offline");
  // On a phone held upright the menu's rows stay unbroken, in type of at
  // least 12 px (the terminal scrolls sideways rather than shrink it).
  await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
  await until(page, () => terminalPage.screen().includes("2.initQUEIS from a QUEIS") &&
    terminalPage.fontSize >= 12, "the menu's rows whole at 12 px or more on a phone");
  // Its keys, for a touch screen without Ctrl: a session tapped in gives
  // what it gives on a pipe, and Ctrl-D ends it.
  const keys = await page.evaluate(() => getComputedStyle(document.getElementById("keys")).display);
  check(keys !== "none", "a touch screen shows no keys under the terminal");
  for (const key of ["2", "enter", "enter", "3", "enter", "enter", "ctrl-d"]) {
    await page.tap(`#keys [data-key="${key}"]`);
    await waitForRead(page);
  }
  const tapped = await page.evaluate(() => ({ output: terminalPage.output,
    ended: terminalPage.ended }));
  check(tapped.ended === 0 &&
    tapped.output.split(CLEAR).join("") === onPipe("heirqueue", ["2", "", "3", ""]).output + "\n",
    `keys tapped gave ${tapped.ended} and ${JSON.stringify(tapped.output.slice(-80))}`);
} finally {
  await browser.close();
  server.kill();
}
console.log(`site: ${size} bytes`);
for (const failure of failures) console.log(`FAIL ${failure}`);
process.exitCode = failures.length ? 1 : 0;
