// A static server for the web build's site on 127.0.0.1, for the tests, the benchmarks and
// `./run.sh --web`: the site's files with their types, gzipped where the browser accepts it, and
// the page's Content-Security-Policy as a header, with what only a header can say.
//   node tools/serve.mjs DIR [PORT]    prints the address; PORT 0 (the default) picks one
import {STATUS_CODES, createServer} from 'node:http';
import {readFileSync, realpathSync, statSync} from 'node:fs';
import {readFile} from 'node:fs/promises';
import {extname, isAbsolute, join, relative, resolve, sep} from 'node:path';
import {gzipSync} from 'node:zlib';
import {pathToFileURL} from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

const allow = {'Allow': 'GET, HEAD'};
const framing = "frame-ancestors 'none'";
const strict = `default-src 'none'; ${framing}`;

// Whether `path` lies inside `root`, whole segments compared (so that a sibling folder whose name
// begins with root's name stays outside), by way of no file or folder whose name begins with a dot.
function within(root, path) {
    const inside = relative(root, path);
    return !isAbsolute(inside) && !inside.split(sep).some((name) => name.startsWith('.'));
}

// The real path of the regular file `path` names under `root`, or null. Both the name asked for and
// the real path, links resolved, must lie within root's real path: a link that stays inside is
// served as what it points to, one that leads out or to a hidden name is not there.
function fileIn(root, path) {
    try {
        const file = join(root, path);
        const real = realpathSync(file);
        const found = within(root, file) && within(realpathSync(root), real);
        return found && statSync(real).isFile() ? real : null;
    } catch {
        return null;
    }
}

// The policy of the page's own <meta> as the page is now, or null. It is read at each answer, and
// at once: a raw answer must be out before Node's parser, done with the connection, ends it.
function policyOf(root) {
    const page = fileIn(root, 'index.html');
    try {
        const found = page && /http-equiv="Content-Security-Policy" content="([^"]*)"/
            .exec(readFileSync(page, 'utf8'));
        return found ? found[1] : null;
    } catch {
        return null;
    }
}

// The headers every answer carries. Without a policy of the page's, a file gets the framing alone,
// lest a policy the page never asked for break it, and a refusal one that allows nothing.
function guards(policy, fallback) {
    return {
        'X-Content-Type-Options': 'nosniff',
        'Referrer-Policy': 'no-referrer',
        'Content-Security-Policy': policy ? `${policy}; ${framing}` : fallback,
    };
}

// The headers and body of a refusal.
function refusal(status, policy, headers = {}) {
    const body = `${STATUS_CODES[status].toLowerCase()}\n`;
    return [{'Content-Type': 'text/plain', 'Content-Length': body.length,
        ...guards(policy, strict), ...headers}, body];
}

function refuse(response, status, policy, headers) {
    const [head, body] = refusal(status, policy, headers);
    response.writeHead(status, head).end(body);
}

// Files are compressed once, as a static host keeps them compressed beside the originals.
const compressed = new Map();
function gzipped(file, body) {
    const cached = compressed.get(file);
    if (cached && cached.source.equals(body)) return cached.body;
    const entry = {source: body, body: gzipSync(body, {level: 9})};
    compressed.set(file, entry);
    return entry.body;
}

// The path of a request's target: an absolute target only when it names this server, as this is
// no proxy; null for one that names another.
function pathOf(target, port) {
    const absolute = /^http:\/\/([^/?#]*)(.*)$/i.exec(target);
    if (!absolute) return target;
    if (![`127.0.0.1:${port}`, `localhost:${port}`].includes(absolute[1].toLowerCase())) {
        return null;
    }
    return absolute[2].startsWith('/') ? absolute[2] : `/${absolute[2]}`;
}

// The file a request's target names under `root`, or 400 for a target that is neither an absolute
// path nor this server's address, does not decode or holds a NUL, or null where no file is served.
function fileOf(root, target, port) {
    const raw = pathOf(target, port)?.split('?')[0];
    if (!raw?.startsWith('/') || raw.startsWith('//')) return 400;
    let path;
    try {
        path = decodeURIComponent(raw);
    } catch {
        return 400;
    }
    if (path.includes('\0')) return 400;
    return fileIn(root, path.endsWith('/') ? path + 'index.html' : path);
}

// A request line of a token method, a target and a version; Node's parser refuses as garbage
// every method outside its own list, and such a line gets 405, not 400.
const requestLine = /^[\w!#$%&'*+.^`|~-]+ [!-~]+ HTTP\/\d\.\d\r?$/;

// Serves `dir` on 127.0.0.1:`port`; resolves to {server, url, bytes}, where bytes() tells how
// many bytes of bodies went out since the last call. No request ends the server: what goes
// wrong in answering one answers 500.
export async function serve(dir, port = 0) {
    const root = resolve(dir);
    let sent = 0;
    async function answer(request, response) {
        const policy = policyOf(root);
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            return refuse(response, 405, policy, allow);
        }
        if (request.httpVersion === '1.1' && request.headers.host === undefined) {
            return refuse(response, 400, policy);
        }
        const file = fileOf(root, request.url, server.address().port);
        if (file === 400) return refuse(response, 400, policy);
        let body = file && await readFile(file).catch(() => null);
        if (!body) return refuse(response, 404, policy);
        const headers = {
            'Content-Type': types[extname(file)] || 'application/octet-stream',
            'Cache-Control': 'no-cache',
            ...guards(policy, framing),
        };
        if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
            body = gzipped(file, body);
            headers['Content-Encoding'] = 'gzip';
        }
        headers['Content-Length'] = body.length;
        sent += body.length;
        response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : body);
    }

    // Per connection: the answers in flight, the raw answer that waits for them (answers keep the
    // order of their requests), and the part seen so far of a request line the parser refused.
    const connections = new WeakMap();
    function stateOf(socket) {
        if (!connections.has(socket)) {
            connections.set(socket, {busy: 0, then: null, line: null, refused: false});
        }
        return connections.get(socket);
    }

    // A refusal written to the bare socket, which then ends, for what never became a request.
    function refuseRaw(socket, status, headers) {
        const state = stateOf(socket);
        state.refused = true;
        const [head, body] = refusal(status, policyOf(root), {...headers, 'Connection': 'close'});
        const lines = Object.entries(head).map(([name, value]) => `${name}: ${value}\r\n`);
        const text = `HTTP/1.1 ${status} ${STATUS_CODES[status]}\r\n${lines.join('')}\r\n${body}`;
        const write = () => socket.writable ? socket.end(text) : socket.destroy();
        if (state.busy) state.then = write;
        else write();
    }

    // Node's own answer to an HTTP/1.1 request without a host would lack the guards.
    const server = createServer({requireHostHeader: false}, (request, response) => {
        const state = stateOf(request.socket);
        state.busy += 1;
        response.on('close', () => {
            state.busy -= 1;
            if (!state.busy && state.then) state.then();
        });
        answer(request, response).catch(() => {
            if (response.headersSent) response.destroy();
            else refuse(response, 500, policyOf(root));
        });
    });
    server.on('checkExpectation', (request, response) => refuse(response, 417, policyOf(root)));
    // CONNECT asks for a tunnel, and Node hands its socket over bare.
    server.on('connect', (request, socket) => refuseRaw(socket, 405, allow));
    // What the parser cannot read. A refused method is judged by its line, read again from the
    // chunks the parser failed on, as it goes on failing on each later one. Before the first, it
    // can only have taken the start of a method it knows, which is lost: a line cut just there,
    // before its first space, reads as garbage.
    server.on('clientError', (error, socket) => {
        const state = stateOf(socket);
        if (state.refused) return;
        if (!socket.writable) return socket.destroy();
        if (error.code !== 'HPE_INVALID_METHOD' || !Buffer.isBuffer(error.rawPacket)) {
            const status = {HPE_HEADER_OVERFLOW: 431, ERR_HTTP_REQUEST_TIMEOUT: 408}[error.code];
            return refuseRaw(socket, status ?? 400);
        }
        const chunk = error.rawPacket.toString('latin1');
        const start = chunk.slice(0, error.bytesParsed ?? 0).lastIndexOf('\n') + 1;
        state.line = state.line === null ? chunk.slice(start) : state.line + chunk;
        const end = state.line.indexOf('\n');
        if (end < 0 && state.line.length < 8192) return;
        const token = end >= 0 && requestLine.test(state.line.slice(0, end));
        refuseRaw(socket, token ? 405 : 400, token ? allow : {});
    });
    // A client may end its side once its request is out and still wait for the answer, which
    // Node's server would otherwise drop.
    server.httpAllowHalfOpen = true;
    await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const bytes = () => {
        const count = sent;
        sent = 0;
        return count;
    };
    return {server, url, bytes};
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
    if (!process.argv[2]) {
        console.error('usage: node serve.mjs DIR [PORT]');
        process.exit(2);
    }
    const {url} = await serve(process.argv[2], Number(process.argv[3] || 0));
    console.log(`Serving ${process.argv[2]} at ${url} (Ctrl+C ends)`);
}
