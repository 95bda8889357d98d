// The containers as the program describes them itself (platform/drawing.h),
// drawn as what they are: a stack as its slots, a queue as its elements
// with the stacks it is made of beneath, the record as its three fields;
// and each step, and the end, said in words. Nothing here touches the
// page: the drawing is HTML text, the words are sentences, in either of the
// page's languages.

const WORDS = {
  en: {
    source: "source", working: "working", store: "store", spare: "spare", base: "base part",
    stack: "stack", queue: "queue", record: "record",
    of: (count, capacity) => `${count} of ${capacity}`,
    slots: (count, capacity) => `${count} of ${capacity} slots`,
    top: "top", front: "front", back: "back", empty: "empty",
    madeOf: "the stacks it is made of",
    colon: ": ", comma: ", ", semicolon: "; ",
    operations: (count) => ` (${count} stack operations)`,
    noWorking: "No working container now: choice 1 or 2 makes one.",
    noStack: "The record holds no stack (items is null).",
    holds: (kind, values) => values.length ? `the ${kind} holds ${values.join(" ")}`
      : `the ${kind} is empty`,
    made: (kind, capacity) => `made a ${kind} of ${capacity} slots`,
    push: (value) => `push ${value}`,
    pop: (value) => `pop ${value}`,
    assigned: "assigned from the source",
    destroyed: (kind) => `destroyed: no working ${kind} now`,
    overflow: (kind, choice) => `choice ${choice}, a push onto a full ${kind}: overflow`,
    underflow: (kind, choice) => `choice ${choice} popped an empty ${kind}: underflow`,
    failed: "status -1: an overflow, an underflow or no memory for a container that large",
    noMemory: "no memory for a container that large",
    contract: "the program ended with status -1 and no message, as the container's contract says",
  },
  zh: {
    source: "源", working: "工作", store: "存储栈", spare: "备用栈", base: "基类部分",
    stack: "栈", queue: "队列", record: "记录",
    of: (count, capacity) => `${count} / ${capacity}`,
    slots: (count, capacity) => `${capacity} 个位置中的 ${count} 个`,
    top: "栈顶", front: "队头", back: "队尾", empty: "空",
    madeOf: "组成它的栈",
    colon: "：", comma: "，", semicolon: "；",
    operations: (count) => `（${count} 次栈操作）`,
    noWorking: "现在没有工作容器：选项 1 或 2 会创建一个。",
    noStack: "该记录不含栈（items 为空指针）。",
    holds: (kind, values) => values.length ? `${kind}中有 ${values.join(" ")}` : `${kind}为空`,
    made: (kind, capacity) => `创建了一个 ${capacity} 个位置的${kind}`,
    push: (value) => `压入 ${value}`,
    pop: (value) => `弹出 ${value}`,
    assigned: "从源容器赋值",
    destroyed: (kind) => `已销毁：现在没有工作${kind}`,
    overflow: (kind, choice) => `选项 ${choice} 向已满的${kind}压入：上溢`,
    underflow: (kind, choice) => `选项 ${choice} 从空${kind}弹出：下溢`,
    failed: "状态 -1：上溢、下溢，或容器太大而内存不足",
    noMemory: "容器太大，内存不足",
    contract: "按照容器的约定，程序以状态 -1 结束，不输出任何消息",
  },
};

// The menu choices that push and pop, by program: a -1 after one of them
// is an overflow or an underflow (the capacity and index prompts take no
// line that could end the program so).
const CHOICES = {
  stackcon: { push: "6", pop: "7" },
  objstack: { push: "6", pop: "7" },
  recstack: { push: "6", pop: "7" },
  pairqueue: { push: "4", pop: "5" },
  heirqueue: { push: "4", pop: "5" },
};

const kindOf = (container) => (container.kind === "queue" ? "queue" : "stack");

// The values a container holds, bottom or front first.
export function heldValues(container) {
  if (container.kind === "queue") return container.elements.map(([, value]) => value);
  return container.slots.filter(([index]) => index < container.count).map(([, value]) => value);
}

function working(state) {
  return state?.containers.find(({ role }) => role === "working") ?? null;
}

const live = (container) => container && container.kind !== "none" &&
  !(container.kind === "record" && !container.items);

// A stack's slots as a list, bottom first (drawn top up): the held ones
// with their values, those above the top dimmed with the value a pop left
// there, the top marked; between shown slots far apart, an ellipsis.
function slotList(container, words, label) {
  const items = [];
  let next = 0;
  for (const [index, value] of container.slots) {
    if (index !== next) items.push('<li class="gap" aria-hidden="true">…</li>');
    const held = index < container.count;
    const top = index === container.count - 1;
    items.push(`<li class="slot${held ? " held" : ""}${top ? " top" : ""}" data-index="${index}" ` +
      `data-value="${value}"><span class="index">${index}</span> <span class="value">` +
      `${value}</span>${top ? ` <span class="mark">${words.top}</span>` : ""}</li>`);
    next = index + 1;
  }
  if (!container.slots.length) items.push(`<li class="gap">${words.empty}</li>`);
  return `<ol class="stack" aria-label="${label}">${items.join("")}</ol>`;
}

// A container's box: its name, its kind and its figures, then its body.
function box(container, kind, words, name, body) {
  return `<div class="container" data-role="${container.role}" data-kind="${kind}" ` +
    `data-capacity="${container.capacity}" data-count="${container.count}">` +
    `<h3>${name} <span class="kind">${words[kind]}</span> ` +
    `<span class="figures">${words.of(container.count, container.capacity)}</span></h3>` +
    `${body}</div>`;
}

function drawStack(container, words, name) {
  const label = `${name} ${words.stack}, ${words.slots(container.count, container.capacity)}`;
  return box(container, "stack", words, name, slotList(container, words, label));
}

function drawQueue(container, words, name) {
  const last = container.count - 1;
  const elements = container.elements.map(([index, value]) =>
    `<li class="element" data-value="${value}">${value}` +
    (index === 0 ? ` <span class="mark">${words.front}</span>` : "") +
    (index === last ? ` <span class="mark">${words.back}</span>` : "") + "</li>");
  const label = `${name} ${words.queue}, ${words.of(container.count, container.capacity)}`;
  const inner = container.stacks.map((stack) => drawStack(stack, words, words[stack.role]));
  return box(container, "queue", words, name,
    `<ol class="queue" aria-label="${label}">${elements.join("") ||
      `<li class="gap">${words.empty}</li>`}</ol>` +
    // The working queue's stacks are open; the source's, which never
    // change, are a click away.
    `<details${container.role === "working" ? " open" : ""}><summary>${words.madeOf}</summary>` +
    `<div class="inner">${inner.join("")}</div></details>`);
}

function drawRecord(container, words, name) {
  const fields = `<dl class="fields"><dt>items</dt><dd>${container.items ? "→" : "NULL"}</dd>` +
    `<dt>capacity</dt><dd>${container.capacity}</dd><dt>count</dt><dd>${container.count}</dd></dl>`;
  const label = `${name} ${words.record}, ${words.slots(container.count, container.capacity)}`;
  return box(container, "record", words, name, fields +
    (container.items ? slotList(container, words, label) : `<p class="none">${words.noStack}</p>`));
}

// The program's containers, drawn: the working one (or a word that there
// is none), which the steps change, then the source.
export function drawContainers(state, language) {
  const words = WORDS[language];
  const order = (container) => (container.role === "working" ? 0 : 1);
  return [...state.containers].sort((a, b) => order(a) - order(b)).map((container) => {
    const name = words[container.role];
    if (container.kind === "none") return `<p class="none" data-role="${container.role}">` +
      `${words.noWorking}</p>`;
    if (container.kind === "queue") return drawQueue(container, words, name);
    if (container.kind === "record") return drawRecord(container, words, name);
    return drawStack(container, words, name);
  }).join("");
}

// What one step did to the working container, from its state before and
// after, in words, with the stack operations it took where they were more
// than one; null when it changed nothing.
export function describeStep(before, after, language, moves = 0) {
  const words = WORDS[language];
  const was = working(before);
  const now = working(after);
  if (JSON.stringify(was) === JSON.stringify(now)) return null;
  if (!live(now)) return live(was) ? words.destroyed(words[kindOf(was)]) : null;
  const kind = words[kindOf(now)];
  const holds = words.holds(kind, heldValues(now)) + words.comma +
    words.slots(now.count, now.capacity);
  const said = (what) => what + words.colon + holds + (moves > 1 ? words.operations(moves) : "");
  if (!live(was)) return said(words.made(kind, now.capacity));
  const values = heldValues(now);
  const old = heldValues(was);
  if (now.count === was.count + 1 && now.capacity === was.capacity) {
    return said(words.push(values.at(-1)));
  }
  if (now.count === was.count - 1 && now.capacity === was.capacity) {
    return said(words.pop(now.kind === "queue" ? old[0] : old.at(-1)));
  }
  return said(words.assigned);
}

// Why a program ended with status -1, from its containers' last state and
// the line that ended it: a push onto a full container, a pop from an empty
// one, or else the memory for a container (no other step ends so).
export function describeFailure(program, lastState, lastLine, language) {
  const words = WORDS[language];
  const container = working(lastState);
  const choices = CHOICES[program];
  const because = (what) => what + words.semicolon + words.contract;
  if (!lastState || !choices) return because(words.failed);
  if (live(container)) {
    const kind = words[kindOf(container)];
    if (lastLine === choices.push && container.count === container.capacity) {
      return because(words.overflow(kind, lastLine));
    }
    if (lastLine === choices.pop && container.count === 0) {
      return because(words.underflow(kind, lastLine));
    }
  }
  return because(words.noMemory);
}
