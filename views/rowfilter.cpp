#include "views/rowfilter.h"

#include "views/columnfields.h"
#include "views/columnsets.h"
#include "views/listrows.h"
#include "views/sortkeys.h"
#include "views/textcompare.h"

namespace quorvant {
namespace {

using Op = RowFilter::Op;
using Node = RowFilter::Node;

constexpr int kCentury = 1900;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsOperatorChar(char c) {
    return c == '=' || c == '!' || c == '<' || c == '>' || c == '~';
}

bool EndsWord(char c) {
    return IsSpace(c) || IsOperatorChar(c) || c == '(' || c == ')' || c == '"';
}

struct Token {
    enum Kind { Word, Quoted, Open, Close, Operator, End } kind = End;
    std::string text;
    std::size_t position = 0;
    Op op = Op::Equal;
};

bool IsKeyword(const Token& token, std::string_view word) {
    return token.kind == Token::Word && AsciiLowered(token.text) == word;
}

bool IsAnyKeyword(const Token& token) {
    return IsKeyword(token, "and") || IsKeyword(token, "or") || IsKeyword(token, "not");
}

// Splits the text into tokens; false with the problem when a quote or an operator is left unfinished.
bool Tokenize(std::string_view text, std::vector<Token>& tokens, FilterProblem& problem) {
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && IsSpace(text[at])) ++at;
        Token token;
        token.position = at;
        if (at == text.size()) {
            tokens.push_back(token);
            return true;
        }
        const char c = text[at];
        if (c == '(' || c == ')') {
            token.kind = c == '(' ? Token::Open : Token::Close;
            ++at;
        } else if (c == '"') {
            // A quote inside quoted text is written twice.
            token.kind = Token::Quoted;
            for (++at;; ++at) {
                if (at == text.size()) {
                    problem = {"the quoted text has no closing quote", token.position};
                    return false;
                }
                if (text[at] != '"') {
                    token.text += text[at];
                } else if (at + 1 < text.size() && text[at + 1] == '"') {
                    token.text += '"';
                    ++at;
                } else {
                    ++at;
                    break;
                }
            }
        } else if (IsOperatorChar(c)) {
            token.kind = Token::Operator;
            const bool equalsNext = at + 1 < text.size() && text[at + 1] == '=';
            switch (c) {
            case '=':
                token.op = Op::Equal;
                break;
            case '~':
                token.op = Op::Holds;
                break;
            case '<':
                token.op = equalsNext ? Op::LessOrEqual : Op::Less;
                break;
            case '>':
                token.op = equalsNext ? Op::GreaterOrEqual : Op::Greater;
                break;
            default:
                if (!equalsNext) {
                    problem = {"\"!\" stands only in \"!=\"", at};
                    return false;
                }
                token.op = Op::NotEqual;
            }
            const std::size_t length = (c == '<' || c == '>' || c == '!') && equalsNext ? 2 : 1;
            token.text = std::string(text.substr(at, length));
            at += length;
        } else {
            token.kind = Token::Word;
            while (at < text.size() && !EndsWord(text[at])) token.text += text[at++];
        }
        tokens.push_back(std::move(token));
    }
}

std::string Described(const Token& token) {
    switch (token.kind) {
    case Token::End:
        return "the end";
    case Token::Quoted:
        return "quoted text";
    case Token::Open:
        return "\"(\"";
    case Token::Close:
        return "\")\"";
    default:
        return "\"" + token.text + "\"";
    }
}

class Parser {
  public:
    Parser(std::vector<Token> tokens, int table, int generation)
        : tokens_(std::move(tokens)), table_(table), generation_(generation) {}

    std::optional<int> Expression() {
        std::optional<int> root = Or();
        if (root && peek().kind != Token::End)
            return Fail("expected \"and\", \"or\" or the end, not " + Described(peek()));
        return root;
    }

    std::vector<Node> nodes;
    FilterProblem problem;

  private:
    const Token& peek() const { return tokens_[at_]; }
    const Token& take() { return tokens_[at_ == tokens_.size() - 1 ? at_ : at_++]; }

    std::optional<int> Fail(std::string reason, std::optional<std::size_t> position = std::nullopt) {
        problem = {std::move(reason), position.value_or(peek().position)};
        return std::nullopt;
    }

    int Add(Node node) {
        nodes.push_back(std::move(node));
        return static_cast<int>(nodes.size()) - 1;
    }

    template <class Next> std::optional<int> Joined(std::string_view word, Node::Kind kind, Next next) {
        std::optional<int> left = (this->*next)();
        while (left && IsKeyword(peek(), word)) {
            take();
            std::optional<int> right = (this->*next)();
            if (!right) return right;
            Node node;
            node.kind = kind;
            node.left = *left;
            node.right = *right;
            left = Add(node);
        }
        return left;
    }

    std::optional<int> Or() { return Joined("or", Node::Or, &Parser::And); }
    std::optional<int> And() { return Joined("and", Node::And, &Parser::Not); }

    // Each not and each parenthesis is a level of the parser's own calls; text pasted into the box
    // must not run them out of stack.
    bool TooDeep() {
        if (++depth_ <= kDeepest) return false;
        Fail("the expression nests more than " + std::to_string(kDeepest) + " levels deep");
        return true;
    }

    std::optional<int> Not() {
        if (!IsKeyword(peek(), "not")) return Primary();
        take();
        if (TooDeep()) return std::nullopt;
        std::optional<int> operand = Not();
        --depth_;
        if (!operand) return operand;
        Node node;
        node.kind = Node::Not;
        node.left = *operand;
        return Add(node);
    }

    std::optional<int> Primary() {
        if (peek().kind != Token::Open) return Comparison();
        const std::size_t open = take().position;
        if (TooDeep()) return std::nullopt;
        std::optional<int> inner = Or();
        --depth_;
        if (!inner) return inner;
        if (peek().kind != Token::Close) return Fail("the \"(\" is not closed", open);
        take();
        return inner;
    }

    // Words up to the next operator, keyword, parenthesis or quoted text, joined by one blank.
    std::string Words() {
        std::string words;
        while (peek().kind == Token::Word && !IsAnyKeyword(peek())) {
            if (!words.empty()) words += ' ';
            words += take().text;
        }
        return words;
    }

    // A field is the longest run of words that names a column: "Land Speed > 5", "Cost 5" (a missing
    // operator, not a field "Cost 5").
    std::optional<int> Comparison() {
        const std::size_t first = at_;
        const std::size_t fieldAt = peek().position;
        const std::string all = Words();
        if (all.empty()) return Fail("expected a field name, not " + Described(peek()));
        // Matching walks the expression by calls of its own, as deep as the comparisons are many.
        if (++comparisons_ > kMostComparisons)
            return Fail("the expression has more than " + std::to_string(kMostComparisons) + " comparisons",
                        fieldAt);
        int column = -1;
        std::string field;
        for (std::size_t end = at_; end > first && column < 0; --end) {
            field.clear();
            for (std::size_t i = first; i < end; ++i) field += (i == first ? "" : " ") + tokens_[i].text;
            column = FindColumn(table_, generation_, field);
            if (column >= 0) at_ = end;
        }
        if (column < 0)
            return Fail("the " + std::string(TableWord(table_)) + " have no field \"" + all + "\"", fieldAt);
        if (peek().kind != Token::Operator)
            return Fail("expected = != < <= > >= or ~ after \"" + field + "\", not " + Described(peek()));
        Node node;
        node.column = column;
        const Token& op = take();
        node.op = op.op;
        if (peek().kind == Token::Quoted) {
            node.text = take().text;
        } else {
            const bool single = peek().kind == Token::Word && !IsAnyKeyword(peek()) &&
                                (tokens_[at_ + 1].kind != Token::Word || IsAnyKeyword(tokens_[at_ + 1]));
            node.text = Words();
            if (node.text.empty())
                return Fail("expected a value after \"" + op.text + "\", not " + Described(peek()));
            if (single) node.number = ReadNumber(node.text);
        }
        return Add(node);
    }

    static constexpr int kDeepest = 100;
    static constexpr int kMostComparisons = 1000;

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
    int comparisons_ = 0;
    int table_;
    int generation_;
};

bool Ordered(Op op, int order) {
    switch (op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::LessOrEqual:
        return order <= 0;
    case Op::Greater:
        return order > 0;
    case Op::GreaterOrEqual:
        return order >= 0;
    case Op::Holds:
        break;
    }
    return false;
}

template <class T> int Order(const T& a, const T& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// The two keys in the order of a sorted column: numbers before texts.
int KeyOrder(const CellSortKey& a, const CellSortKey& b) {
    if (a.rank != b.rank) return Order(a.rank, b.rank);
    if (a.rank == CellSortKey::Number) return Order(a.number, b.number);
    return Order(a.text, b.text);
}

double FullYear(double year) {
    return year < 100 ? year + kCentury : year;
}

} // namespace

std::string FilterProblem::describe() const {
    return reason + " (at character " + std::to_string(position + 1) + ")";
}

bool LooksLikeExpression(std::string_view text) {
    return text.find_first_of("=<>~") != std::string_view::npos || text.find("!=") != std::string_view::npos;
}

std::optional<RowFilter> RowFilter::Parse(std::string_view text, int table, int generation,
                                          FilterProblem* problem) {
    FilterProblem local;
    FilterProblem& report = problem ? *problem : local;
    if (!IsRecordTable(table)) {
        report = {"there is no such list", 0};
        return std::nullopt;
    }
    std::vector<Token> tokens;
    if (!Tokenize(text, tokens, report)) return std::nullopt;
    if (tokens.front().kind == Token::End) {
        report = {"the expression is empty", 0};
        return std::nullopt;
    }
    Parser parser(std::move(tokens), table, generation);
    std::optional<int> root = parser.Expression();
    if (!root) {
        report = parser.problem;
        return std::nullopt;
    }
    RowFilter filter;
    filter.table_ = table;
    filter.generation_ = generation;
    filter.nodes_ = std::move(parser.nodes);
    filter.root_ = *root;
    return filter;
}

bool RowFilter::Matches(const CQuorvantDoc& doc, int row) const {
    return root_ >= 0 && RowHasCells(doc, table_, row) && Holds(doc, row, root_);
}

bool RowFilter::Holds(const CQuorvantDoc& doc, int row, int index) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    switch (node.kind) {
    case Node::And:
        return Holds(doc, row, node.left) && Holds(doc, row, node.right);
    case Node::Or:
        return Holds(doc, row, node.left) || Holds(doc, row, node.right);
    case Node::Not:
        return !Holds(doc, row, node.left);
    case Node::Compare:
        break;
    }
    return Compares(doc, row, node);
}

bool RowFilter::Compares(const CQuorvantDoc& doc, int row, const Node& node) const {
    const ColumnSpec& column = ColumnSet(table_, generation_)[static_cast<std::size_t>(node.column)];
    const bool name = column.field.value == ColumnValue::Name;
    const std::string shown = name ? RecordNameOfRow(doc, table_, row) : CellText(doc, table_, row, column);
    if (node.op == Op::Holds) return AsciiLowered(shown).find(AsciiLowered(node.text)) != std::string::npos;
    if (node.number && column.field.value == ColumnValue::Date) {
        const CellSortKey key = SortKeyOfText(shown, ColumnSort::Date);
        if (key.rank != CellSortKey::Number) return false;
        return Ordered(node.op,
                       Order(FullYear(static_cast<double>(key.number / 100)), FullYear(*node.number)));
    }
    if (node.number) {
        if (std::optional<std::int64_t> stored = StoredValue(doc, table_, SlotOfRow(row), column))
            return Ordered(node.op, Order(static_cast<double>(*stored), *node.number));
    }
    if (node.op == Op::Equal || node.op == Op::NotEqual)
        return Ordered(node.op,
                       AsciiLowered(TrimmedBlanks(shown)) == AsciiLowered(TrimmedBlanks(node.text)) ? 0 : 1);
    return Ordered(node.op,
                   KeyOrder(SortKeyOfText(shown, column.sort), SortKeyOfText(node.text, column.sort)));
}

} // namespace quorvant
