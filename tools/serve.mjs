// A static server for the web build's site on 127.0.0.1, for the tests, the benchmarks and
// `./run.sh --web`: the site's files with their types, gzipped where the browser accepts it, and
// the page's Content-Security-Policy as a header, with what only a header can say.
//   node tools/serve.mjs DIR [PORT]    prints the address; PORT 0 (the default) picks one
import {createServer} from 'node:http';
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

// The policy of the page's own <meta>, and the framing that only a header can forbid.
async function policyOf(dir) {
    try {
        const page = await readFile(join(dir, 'index.html'), 'utf8');
        const found = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(page);
        return found ? `${found[1]}; frame-ancestors 'none'` : null;
    } catch {
        return null;
    }
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

// The file a request's target names under `root`, or 400 for a target that is not an absolute
// path, does not decode or holds a NUL, or null for a file outside `root`. Whole segments are
// compared, so that a sibling folder whose name begins with root's name stays outside.
function fileOf(root, target) {
    const raw = target.split('?')[0];
    if (!raw.startsWith('/') || raw.startsWith('//')) return 400;
    let path;
    try {
        path = decodeURIComponent(raw);
    } catch {
        return 400;
    }
    if (path.includes('\0')) return 400;
    const file = join(root, path.endsWith('/') ? path + 'index.html' : path);
    const inside = relative(root, file);
    return inside.split(sep)[0] === '..' || isAbsolute(inside) ? null : file;
}

function refuse(response, status, text, headers = {}) {
    response.writeHead(status, {'Content-Type': 'text/plain', ...headers}).end(text);
}

// Serves `dir` on 127.0.0.1:`port`; resolves to {server, url, bytes}, where bytes() tells how
// many bytes of bodies went out since the last call. No request ends the server: what goes
// wrong in answering one answers 500.
export async function serve(dir, port = 0) {
    const policy = await policyOf(dir);
    const root = resolve(dir);
    let sent = 0;
    async function answer(request, response) {
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            return refuse(response, 405, 'method not allowed', {'Allow': 'GET, HEAD'});
        }
        const file = fileOf(root, request.url);
        if (file === 400) return refuse(response, 400, 'bad path');
        let body = file && await readFile(file).catch(() => null);
        if (!body) return refuse(response, 404, 'not found');
        const headers = {
            'Content-Type': types[extname(file)] || 'application/octet-stream',
            'Cache-Control': 'no-cache',
            'X-Content-Type-Options': 'nosniff',
            'Referrer-Policy': 'no-referrer',
        };
        if (policy && extname(file) === '.html') headers['Content-Security-Policy'] = policy;
        if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
            body = gzipped(file, body);
            headers['Content-Encoding'] = 'gzip';
        }
        headers['Content-Length'] = body.length;
        sent += body.length;
        response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : body);
    }
    const server = createServer((request, response) => {
        answer(request, response).catch(() => {
            if (response.headersSent) response.destroy();
            else refuse(response, 500, 'server error');
        });
    });
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
