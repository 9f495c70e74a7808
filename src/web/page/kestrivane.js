// The page of `kestrivane-cli serve`: the findings, live from the server's
// events, and what a user does with them. Every name and text from the server
// is data: it reaches the page through textContent only, never as markup.
"use strict";

(() => {
  const LANGUAGES = ["de", "fr", "es", "it"];
  const API = "/api/v1";

  // ---- Words --------------------------------------------------------------------------
  let words = {};

  // The user's language among the shipped ones, in the order the browser asks for them.
  function pageLanguage() {
    const asked = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || "en"];
    for (const tag of asked) {
      const base = String(tag).toLowerCase().split("-")[0];
      if (base === "en") return "en";
      if (LANGUAGES.includes(base)) return base;
    }
    return "en";
  }

  // A text of the page in the user's language; %1, %2... replaced in one pass, so
  // that an argument holding "%2" stays as it is.
  function t(source, ...args) {
    const text = Object.prototype.hasOwnProperty.call(words, source) && words[source] ? words[source] : source;
    return text.replace(/%(\d)/g, (whole, n) => (args[n - 1] === undefined ? whole : String(args[n - 1])));
  }

  // A text translated where it is used, not where it is written (a table of them).
  const N = (source) => source;

  async function loadWords() {
    const language = pageLanguage();
    document.documentElement.lang = language;
    if (language === "en") return;
    try {
      const answer = await fetch(`/assets/texts/${language}.json`, { credentials: "same-origin" });
      if (answer.ok) words = await answer.json();
    } catch (e) {
      // English, then: the page works without its translation.
    }
  }

  function translateStatic() {
    for (const node of document.querySelectorAll("[data-t]")) node.textContent = t(node.dataset.t);
    for (const node of document.querySelectorAll("[data-t-label]")) node.setAttribute("aria-label", t(node.dataset.tLabel));
  }

  // ---- Text from outside --------------------------------------------------------------
  // Control characters and the marks that reorder text are shown as escapes: a
  // name can neither break a line nor turn ".exe" round to look like ".avi".
  const HIDDEN = /[\u0000-\u001f\u007f-\u009f\u061c\u200e\u200f\u202a-\u202e\u2066-\u2069]/g;
  const NAMED = { "\t": "\\t", "\n": "\\n", "\r": "\\r" };
  function shown(value) {
    if (value === null || value === undefined) return "";
    return String(value).replace(HIDDEN, (c) => {
      if (NAMED[c]) return NAMED[c];
      const code = c.charCodeAt(0);
      return code < 0x80 ? "\\x" + code.toString(16).toUpperCase().padStart(2, "0")
                         : "\\u" + code.toString(16).toUpperCase().padStart(4, "0");
    });
  }

  // An element with its children; strings become text nodes.
  function el(tag, attributes, ...children) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes || {})) {
      if (value === undefined || value === null || value === false) continue;
      if (key === "class") node.className = value;
      else if (key.startsWith("data-")) node.dataset[key.slice(5).replace(/-(.)/g, (m, c) => c.toUpperCase())] = value;
      else node.setAttribute(key, value === true ? "" : value);
    }
    for (const child of children) if (child !== null && child !== undefined) node.append(child);
    return node;
  }

  // Number formats of the page's language, made once: a table of thousands of rows formats a lot.
  const formats = new Map();
  function format(options) {
    const key = JSON.stringify(options);
    if (!formats.has(key)) formats.set(key, new Intl.NumberFormat(document.documentElement.lang, options));
    return formats.get(key);
  }
  const numbers = () => format({});
  function size(bytes) {
    if (typeof bytes !== "number" || !isFinite(bytes)) return "";
    const units = ["B", "KiB", "MiB", "GiB", "TiB"];
    let value = bytes;
    let unit = 0;
    while (value >= 1024 && unit < units.length - 1) {
      value /= 1024;
      ++unit;
    }
    return format({ maximumFractionDigits: unit === 0 ? 0 : 1 }).format(value) + "\u00a0" + units[unit];
  }

  // ---- Status line --------------------------------------------------------------------
  const statusLine = () => document.getElementById("status");
  function say(text, kind) {
    const line = statusLine();
    line.textContent = text;
    line.dataset.kind = kind || "info";
  }

  // ---- The server ---------------------------------------------------------------------
  class ApiError extends Error {
    constructor(status, message) {
      super(message);
      this.status = status;
    }
  }

  // The server's own words for a refusal: {"error": "..."} or a plain text.
  function refusal(body, status) {
    if (body && typeof body === "object" && body.error) return shown(body.error);
    if (typeof body === "string" && body.trim()) return shown(body.trim());
    return t("The server answered %1.", status);
  }

  let loggedOut = false;
  async function api(method, path, body, headers) {
    const init = { method, credentials: "same-origin", headers: Object.assign({ Accept: "application/json" }, headers) };
    if (typeof body === "string") {
      init.headers["Content-Type"] = "text/plain; charset=utf-8";
      init.body = body;
    } else if (body !== undefined) {
      init.headers["Content-Type"] = "application/json";
      init.body = JSON.stringify(body);
    }
    let answer;
    try {
      answer = await fetch(path, init);
    } catch (e) {
      throw new ApiError(0, t("The server cannot be reached."));
    }
    if (answer.status === 304) return { notModified: true };
    const type = answer.headers.get("Content-Type") || "";
    let data = null;
    try {
      data = type.includes("json") ? await answer.json() : await answer.text();
    } catch (e) {
      data = null;
    }
    if (answer.status === 401) {
      loggedOut = true;
      throw new ApiError(401, t("Not logged in: open the address with the token that 'kestrivane-cli serve' printed."));
    }
    if (!answer.ok) {
      const error = new ApiError(answer.status, refusal(data, answer.status));
      error.body = data;
      throw error;
    }
    return { data, etag: answer.headers.get("ETag") };
  }

  // Why the server has no findings to show ({"error": "temp-dir-missing", "path": ..., "cause": ...}).
  const FAILURES = {
    "no-list": N("No fake list is loaded and the content check is off: mark fakes or set an update address."),
    "list-missing": N("The fake list %1 is missing."),
    "list-unreadable": N("The fake list %1 cannot be read: %2"),
    "no-temp-dir": N("No temp directory is set: import the client's settings or start serve with --temp-dir."),
    "temp-dir-missing": N("The temp directory %1 is gone."),
    "temp-dir-unreadable": N("The temp directory %1 cannot be read: %2"),
  };
  function failureText(failure) {
    const words = FAILURES[failure && failure.error];
    return words ? t(words, shown(failure.path), shown(failure.cause)) : refusal(failure, 503);
  }

  function failed(error) {
    say(error instanceof ApiError ? error.message : t("Something went wrong: %1", shown(error)), "error");
  }

  // ---- aMule and the live updates -----------------------------------------------------
  const AMULE_STATES = {
    connected: () => t("aMule connected"),
    lost: () => t("aMule lost"),
    none: () => t("No aMule connection"),
  };
  function showAmule(state, detail) {
    const badge = document.getElementById("amule-state");
    const known = AMULE_STATES[state] ? state : "none";
    badge.dataset.state = known;
    badge.textContent = AMULE_STATES[known]() + (detail ? ": " + shown(detail) : "");
    amuleState = known;
  }
  function showLive(state) {
    const badge = document.getElementById("live-state");
    badge.dataset.state = state;
    badge.textContent = state === "live" ? t("Live") : t("Live updates lost; trying again...");
  }

  // aMule's state as the server tells it: {"configured": true, "connected": false, "error": "..."}.
  function readAmule(value) {
    if (!value || typeof value !== "object") return;
    if (value.connected) return showAmule("connected", value.version ? "aMule " + value.version : "");
    return showAmule(value.configured === false ? "none" : "lost", value.error || "");
  }

  // ---- Findings -----------------------------------------------------------------------
  let rows = [];
  let items = [];
  function setRows(list) {
    rows = list;
    collator = collator || new Intl.Collator(document.documentElement.lang, { numeric: true, sensitivity: "base" });
    items = rows.map(prepare);
  }
  let checking = false;
  let findingsTag = null;
  // "unknown" until the server tells: the actions are offered and the server says when aMule cannot do them.
  let amuleState = "unknown";
  // A browser takes seconds to draw or drop thousands of rows of buttons: the
  // first ones are drawn, the rest on asking (or by narrowing the filter or search).
  const ROWS_DRAWN = 500;
  const view = { filter: "flagged", search: "", sort: "verdict", descending: false, all: false };

  function rank(row) {
    if (row.fake && !row.allowed) return 0;
    if (row.suspect && !row.allowed) return 1;
    if (row.allowed) return 3;
    return 2;
  }

  function verdictText(row) {
    if (row.allowed) return t("Not a fake (allowed)");
    if (row.description) return shown(row.description);
    if (row.fake) return t("Fake");
    if (row.suspect) return t("Suspect: %1", shown(row.suspect));
    if (row.note) return shown(row.note);
    return t("OK");
  }

  const CLIENT_STATES = {
    downloading: N("Downloading"), waiting: N("Waiting"), paused: N("Paused"), stopped: N("Stopped"),
    hashing: N("Hashing"), completing: N("Completing"), complete: N("Complete"), error: N("Error"), other: N("Other"),
  };
  function clientText(row) {
    const c = row.client;
    if (!c) return "";
    const parts = [t(CLIENT_STATES[c.state] || "Other")];
    if (typeof c.sources === "number") parts.push(t("Sources: %1", numbers().format(c.sources)));
    if (typeof c.done === "number" && row.size > 0)
      parts.push(format({ style: "percent", maximumFractionDigits: 0 }).format(Math.min(1, c.done / row.size)));
    return parts.join(" \u00b7 ");
  }

  // What sorting and searching look at, worked out once a row arrives: a
  // queue of thousands is sorted and searched at every key.
  let collator = null;
  function prepare(row) {
    const name = shown(row.name);
    const verdict = verdictText(row);
    return {
      row, name, verdict, client: clientText(row), rank: rank(row),
      search: [name, shown(row.part), shown(row.hash), verdict].join("\n").toLocaleLowerCase(),
    };
  }

  const COMPARE = {
    name: (a, b) => collator.compare(a.name, b.name),
    size: (a, b) => (a.row.size || 0) - (b.row.size || 0),
    verdict: (a, b) => a.rank - b.rank || collator.compare(a.verdict, b.verdict),
    client: (a, b) => collator.compare(a.client, b.client),
  };

  function visible(item) {
    if (view.filter === "flagged" && item.rank > 1) return false;
    if (view.filter === "fakes" && item.rank !== 0) return false;
    if (view.filter === "suspects" && item.rank !== 1) return false;
    return !view.search || item.search.includes(view.search.toLocaleLowerCase());
  }

  // What a row offers: the aMule actions when aMule has it, the own list's always.
  function rowActions(row) {
    const inAmule = !!row.hash && amuleState !== "none" && amuleState !== "lost";
    // aMule's state of the row, when the server gives it, leaves out what would change nothing.
    const state = row.client ? row.client.state : null;
    const held = state === "paused" || state === "stopped";
    const actions = [
      { action: "pause", label: t("Pause"), enabled: inAmule && (state === null || !held) },
      { action: "resume", label: t("Resume"), enabled: inAmule && (state === null || held) },
      { action: "stop", label: t("Stop"), enabled: inAmule && state !== "stopped" },
      { action: "cancel", label: t("Cancel..."), enabled: inAmule, danger: true },
    ];
    if ((row.fake || row.suspect) && !row.allowed) actions.push({ action: "allow", label: t("Not a fake"), enabled: !!row.hash });
    else if (!row.fake) actions.push({ action: "mark", label: t("Mark as fake"), enabled: !!row.hash });
    return actions;
  }

  function findingRow(item) {
    const { row, name } = item;
    const actions = el("td", { class: "actions" });
    for (const a of rowActions(row)) {
      actions.append(el("button", {
        type: "button", class: a.danger ? "danger" : null, disabled: !a.enabled,
        "data-action": a.action, "data-hash": row.hash, "aria-label": `${a.label} ${name}`,
      }, a.label));
    }
    return el("tr", { "data-hash": row.hash, "data-rank": String(item.rank) },
      el("td", { class: "name" }, el("span", { class: "name" }, name), row.part ? el("small", {}, shown(row.part)) : null),
      el("td", { class: "num" }, size(row.size)),
      el("td", { class: "verdict" }, item.verdict),
      el("td", { class: "client" }, item.client),
      actions);
  }

  function renderFindings() {
    const table = document.getElementById("findings-table");
    const body = table.tBodies[0];
    // A redraw keeps the keyboard where it was: the same button of the same row.
    const focused = document.activeElement;
    const keep = focused && body.contains(focused) ? { hash: focused.dataset.hash, action: focused.dataset.action } : null;

    const compare = COMPARE[view.sort];
    const shownRows = items.filter(visible).sort((a, b) => (view.descending ? -1 : 1) * compare(a, b) ||
                                                          COMPARE.name(a, b));
    // A new body in place of the old one: dropping thousands of rows one by one costs seconds.
    const fresh = document.createElement("tbody");
    const drawn = view.all ? shownRows : shownRows.slice(0, ROWS_DRAWN);
    fresh.append(...drawn.map(findingRow));
    body.replaceWith(fresh);
    const more = document.getElementById("findings-more");
    more.hidden = drawn.length === shownRows.length;
    document.getElementById("findings-more-text").textContent =
      t("Showing %1 of %2 rows.", numbers().format(drawn.length), numbers().format(shownRows.length));
    // aMule's column only when the server tells what aMule says of the rows.
    table.classList.toggle("no-client", !rows.some((r) => r.client));
    for (const th of table.tHead.rows[0].cells) {
      const button = th.querySelector("button.sort");
      if (!button) continue;
      th.setAttribute("aria-sort", button.dataset.sort === view.sort ? (view.descending ? "descending" : "ascending") : "none");
    }
    const fakes = items.filter((item) => item.rank === 0).length;
    const suspects = items.filter((item) => item.rank === 1).length;
    document.getElementById("summary").textContent =
      t("Downloads: %1, fakes: %2, suspects: %3", numbers().format(rows.length), numbers().format(fakes), numbers().format(suspects));
    const empty = document.getElementById("findings-empty");
    empty.hidden = shownRows.length > 0;
    empty.textContent = rows.length ? t("No download matches.") : t("No download to show.");
    if (keep) {
      const again = [...fresh.querySelectorAll("button")].find((b) => b.dataset.hash === keep.hash && b.dataset.action === keep.action);
      if (again && !again.disabled) again.focus();
      else table.querySelector("button.sort").focus();
    }
  }

  async function loadFindings() {
    try {
      const answer = await api("GET", `${API}/findings`, undefined, findingsTag ? { "If-None-Match": findingsTag } : {});
      if (answer.notModified) return;
      findingsTag = answer.etag;
      const data = answer.data;
      // The rows as check --json gives them.
      setRows(Array.isArray(data) ? data : []);
      renderFindings();
      if (checking) {
        checking = false;
        say(t("Check finished."), "done");
      } else if (statusLine().dataset.kind === "failure") {
        say("", "info");
      }
    } catch (e) {
      // The check itself failed: the server says why, and keeps the rows it had.
      if (e.status === 503 && e.body && e.body.error) say(failureText(e.body), "failure");
      else failed(e);
    }
  }

  // Many events in a burst (a check of a whole directory) make one reload.
  let reloadTimer = 0;
  function reloadSoon() {
    if (reloadTimer) return;
    reloadTimer = setTimeout(() => {
      reloadTimer = 0;
      loadFindings();
    }, 150);
  }

  const DONE = {
    pause: N("Paused: %1"), resume: N("Resumed: %1"), stop: N("Stopped: %1"), cancel: N("Cancelled: %1"),
    allow: N("Not a fake any more: %1"), mark: N("Marked as a fake: %1"),
  };
  async function act(action, hash, body) {
    const row = rows.find((r) => r.hash === hash);
    const name = row ? shown(row.name) : hash;
    try {
      await api("POST", `${API}/downloads/${encodeURIComponent(hash)}/${action}`, body);
      say(t(DONE[action], name), "done");
      findingsTag = null;
      await loadFindings();
    } catch (e) {
      failed(e);
    }
  }

  let confirmReturn = null;
  function askCancel(button) {
    const dialog = document.getElementById("confirm");
    const row = rows.find((r) => r.hash === button.dataset.hash);
    document.getElementById("confirm-name").textContent = row ? shown(row.name) : button.dataset.hash;
    dialog.dataset.hash = button.dataset.hash;
    confirmReturn = button;
    // Escape closes without a value and would leave the last one standing: a cancel.
    dialog.returnValue = "";
    dialog.showModal();
    document.getElementById("confirm-no").focus();
  }

  // A mark needs its reason: it is the description the own list keeps.
  function askMark(button) {
    const dialog = document.getElementById("mark");
    const row = rows.find((r) => r.hash === button.dataset.hash);
    document.getElementById("mark-name").textContent = row ? shown(row.name) : button.dataset.hash;
    document.getElementById("mark-reason").value = "";
    dialog.dataset.hash = button.dataset.hash;
    confirmReturn = button;
    dialog.returnValue = "";
    dialog.showModal();
    document.getElementById("mark-reason").focus();
  }

  // ---- Links --------------------------------------------------------------------------
  let linkRows = [];
  function linkVerdict(row) {
    if (row.error) return shown(row.error);
    if (row.description) return shown(row.description);
    if (row.fake) return t("Fake");
    if (row.suspect) return t("Suspect: %1", shown(row.suspect));
    return t("OK");
  }
  const linkClean = (row) => !row.error && !row.fake && !row.suspect && row.link;

  function renderLinks() {
    const table = document.getElementById("links-table");
    table.tBodies[0].replaceChildren(...linkRows.map((row) =>
      el("tr", { "data-rank": String(row.error ? 1 : row.fake ? 0 : row.suspect ? 1 : 2) },
        el("td", { class: "num" }, String(row.line ?? "")),
        el("td", { class: "name" }, el("span", { class: "name" }, shown(row.name ?? row.link ?? ""))),
        el("td", { class: "num" }, size(row.size)),
        el("td", { class: "verdict" }, linkVerdict(row)))));
    table.hidden = linkRows.length === 0;
    const clean = linkRows.filter(linkClean).length;
    const add = document.getElementById("links-add");
    add.disabled = clean === 0 || amuleState === "none" || amuleState === "lost";
  }

  async function checkLinks(addClean) {
    const text = document.getElementById("links-text").value;
    if (!text.trim()) {
      say(t("Paste one or more ed2k links first."), "error");
      return;
    }
    try {
      if (addClean) {
        // The server checks the text again and adds only what it finds clean itself.
        const data = (await api("POST", `${API}/links/amule`, text)).data || {};
        const refused = Array.isArray(data.refused) ? data.refused : [];
        say([t("Clean links added to aMule: %1", numbers().format(data.added || 0)),
             ...refused.map((r) => t("Not added: %1 (%2)", shown(r.name), shown(r.why)))].join(" "),
            refused.length ? "error" : "done");
        return;
      }
      const data = (await api("POST", `${API}/links`, text)).data;
      linkRows = Array.isArray(data) ? data : [];
      renderLinks();
      const fakes = linkRows.filter((r) => r.fake).length;
      say(t("Links checked: %1, fakes: %2", numbers().format(linkRows.length), numbers().format(fakes)), "done");
    } catch (e) {
      failed(e);
    }
  }

  // ---- Lists --------------------------------------------------------------------------
  function renderLists(data) {
    const main = data && data.main ? data.main : null;
    document.getElementById("lists-facts").hidden = !main;
    if (main) {
      const state = main.loaded ? t("loaded") : main.exists ? t("not loaded") : t("missing");
      document.getElementById("lists-main").replaceChildren(el("span", { class: "name" }, shown(main.path)), " \u2014 " + state);
      document.getElementById("lists-records").textContent = numbers().format(data.records || 0);
      document.getElementById("lists-own").textContent = numbers().format(data.ownRecords || 0);
    }
    const problems = data && Array.isArray(data.problems) ? data.problems : [];
    const problemList = document.getElementById("lists-problems");
    problemList.replaceChildren(...problems.map((p) => el("li", {}, shown(p))));
    problemList.hidden = problems.length === 0;
    const own = data && Array.isArray(data.own) ? data.own : [];
    document.querySelector("#own-table tbody").replaceChildren(...own.map((record) =>
      el("tr", { "data-rank": record.allowed ? "3" : "0" },
        el("td", { class: "hash" }, shown(record.hash)),
        el("td", { class: "num" }, size(record.size)),
        el("td", {}, record.allowed ? t("Not a fake") : t("Fake")),
        el("td", { class: "name" }, el("span", { class: "name" }, shown(record.description))))));
    document.getElementById("own-table").hidden = own.length === 0;
    document.getElementById("own-empty").hidden = own.length > 0;
  }

  // The lists' trouble is told in their own section: the downloads stay the page's news.
  async function loadLists() {
    const problem = document.getElementById("lists-problem");
    try {
      renderLists((await api("GET", `${API}/lists`)).data);
      problem.hidden = true;
    } catch (e) {
      renderLists(null);
      problem.textContent = e instanceof ApiError ? e.message : shown(e);
      problem.hidden = false;
    }
  }

  async function updateLists() {
    const button = document.getElementById("lists-update");
    button.disabled = true;
    say(t("Updating the fake list..."), "info");
    try {
      const data = (await api("POST", `${API}/lists/update`)).data || {};
      say(data.fetched ? t("The fake list was updated.") : t("The fake list is up to date."), "done");
      await loadLists();
    } catch (e) {
      failed(e);
    } finally {
      button.disabled = false;
    }
  }

  // aMule's state and the check's, as the server last saw them.
  async function loadStatus() {
    try {
      const data = (await api("GET", `${API}/status`)).data;
      if (data) readAmule(data.amule);
      if (data && data.check && typeof data.check === "object") say(failureText(data.check), "failure");
    } catch (e) {
      // The findings say the same trouble.
    }
  }

  async function checkNow() {
    const button = document.getElementById("check-now");
    button.disabled = true;
    try {
      // The check runs on the server; its "findings" event brings the rows when they changed.
      await api("POST", `${API}/check`);
      say(t("Check started."), "info");
      checking = true;
    } catch (e) {
      failed(e);
    } finally {
      button.disabled = false;
    }
  }

  // ---- Events -------------------------------------------------------------------------
  function listen() {
    const source = new EventSource(`${API}/events`);
    source.onopen = () => {
      showLive("live");
      // What changed while the stream was away.
      reloadSoon();
    };
    source.onerror = () => {
      showLive("lost");
      // The browser tries again by itself unless the server refused the stream
      // (a restart that changed the token, a proxy's error page): then the page
      // does, after asking the findings whether it is still logged in.
      if (source.readyState !== EventSource.CLOSED) return;
      setTimeout(async () => {
        await loadFindings();
        if (!loggedOut) listen();
      }, 5000);
    };
    // Any change of the downloads: the table is fetched again (with its ETag,
    // so that an unchanged one costs nothing); "reset" means events were missed.
    for (const name of ["finding", "gone", "findings", "reset"]) source.addEventListener(name, () => reloadSoon());
    // A mark or an allow changes the own list too.
    source.addEventListener("action", () => {
      reloadSoon();
      loadLists();
    });
    source.addEventListener("problem", (event) => {
      try {
        say(failureText(JSON.parse(event.data)), "failure");
      } catch (e) {
        // A malformed event changes nothing.
      }
      reloadSoon();
    });
    source.addEventListener("lists", () => {
      loadLists();
      reloadSoon();
    });
    const amule = (event) => {
      let data = null;
      try {
        data = JSON.parse(event.data);
      } catch (e) {
        data = event.data;
      }
      readAmule(data);
      reloadSoon();
    };
    source.addEventListener("amule", amule);
  }

  // ---- Wiring -------------------------------------------------------------------------
  function wire() {
    for (const radio of document.querySelectorAll("input[name=filter]")) {
      radio.addEventListener("change", () => {
        view.filter = radio.value;
        renderFindings();
      });
    }
    document.getElementById("search").addEventListener("input", (event) => {
      view.search = event.target.value.trim();
      renderFindings();
    });
    for (const button of document.querySelectorAll("button.sort")) {
      button.addEventListener("click", () => {
        if (view.sort === button.dataset.sort) view.descending = !view.descending;
        else {
          view.sort = button.dataset.sort;
          view.descending = false;
        }
        renderFindings();
      });
    }
    // On the table: its body is made anew at each redraw.
    document.getElementById("findings-table").addEventListener("click", (event) => {
      const button = event.target.closest("button[data-action]");
      if (!button || button.disabled) return;
      if (button.dataset.action === "cancel") askCancel(button);
      else if (button.dataset.action === "mark") askMark(button);
      else act(button.dataset.action, button.dataset.hash);
    });
    const dialog = document.getElementById("confirm");
    document.getElementById("confirm-no").addEventListener("click", () => dialog.close("keep"));
    document.getElementById("confirm-yes").addEventListener("click", () => dialog.close("cancel"));
    dialog.addEventListener("close", () => {
      const hash = dialog.dataset.hash;
      if (confirmReturn && confirmReturn.isConnected) confirmReturn.focus();
      confirmReturn = null;
      if (dialog.returnValue === "cancel") act("cancel", hash);
    });
    const mark = document.getElementById("mark");
    document.getElementById("mark-no").addEventListener("click", () => mark.close(""));
    mark.addEventListener("close", () => {
      if (confirmReturn && confirmReturn.isConnected) confirmReturn.focus();
      confirmReturn = null;
      const reason = document.getElementById("mark-reason").value.trim();
      if (mark.returnValue === "mark" && reason) act("mark", mark.dataset.hash, { reason });
    });
    document.getElementById("check-now").addEventListener("click", checkNow);
    document.getElementById("findings-all").addEventListener("click", () => {
      view.all = true;
      renderFindings();
    });
    document.getElementById("links-check").addEventListener("click", () => checkLinks(false));
    document.getElementById("links-add").addEventListener("click", () => checkLinks(true));
    document.getElementById("lists-update").addEventListener("click", updateLists);
  }

  async function start() {
    await loadWords();
    translateStatic();
    showLive("lost");
    document.documentElement.classList.remove("loading");
    wire();
    renderFindings();
    await loadFindings();
    if (loggedOut) return;
    loadStatus();
    loadLists();
    listen();
  }

  start();
})();
