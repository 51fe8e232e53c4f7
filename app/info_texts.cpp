#include "app/info_texts.h"

#include "platform/codepage/codepage.h"

namespace pindora {

Text aboutText(std::string_view host) {
    return utf8ToCp936(
               "关于我们：\r\n\r\n        Valdren综合社区拥有一个强大的管理团队，无时不刻的帮助着社区的会员们，"
               "能力超强，有了他们，Valdren综合社区才能一如既往的坚持下去，\r\n\r\n"
               "才能拥有今日的优越的管理秩序。他们是一群热情的，友好，善于帮助人的人。\r\n\r\n"
               "一群在支持着社区发展的人，没有他们就没有社区的稳定发展。\r\n\r\n"
               "Valdren综合社区是一个不以盈利为目的的娱乐交流、游戏交流的综合社区，\r\n\r\n"
               "针对Valdren社区的开支全部是取之于Valdren，用之于Valdren，甚至很多时候是管理员用自己的钱投入到Valdren。\r\n\r\n"
               "Valdren以家庭式环境模式运行，对待所有会员就像自己的家人一样，而我们这个家的成员比较多，而且在不断增多\r\n\r\n\r\n"
               "                    Valdren综合社区     ") +
           Text(host) + "\r\n \r\n\r\n         ";
}

Text contactText() {
    return utf8ToCp936(
        "\r\n\r\n联系我们（               ）\r\n\r\n     Email：service@valdren.example \r\n\r\n"
        "     客服电话：400-000-0000\r\n\r\n 您有好的意见或者建议欢迎投稿至邮箱，我们会在24小时内处理。 ");
}

Text feedbackText() {
    return utf8ToCp936("每一个软件都在用心在写，时刻站在用户体验的角度出发。\r\n\r\n如若您觉得那里不够满足您的需求，请随时与我们联系");
}

Text usageText() {
    return utf8ToCp936(
        "1：选择头像类型(鼠标点击头像类型下的“男生头像”、“情侣头像”等)\r\n\r\n"
        "2：点击后等待大约1秒左右，自动刷新出该类型头像\r\n\r\n"
        "3：对着头像点击右键，可复制、另存为、等功能\r\n\r\n"
        "4：本工具属于Valdren综合社区原创，网上有其他，均为盗版或模仿\r\n\r\n\r\n"
        "------------------------------------------------------------------\r\n\r\n\r\n"
        "   发布您喜爱的头像到软件内（               ）\r\n\r\n"
        " 发布流程：注册社区账号 - 发贴 - 发布您喜爱的头像 - 点击确定 - 软件内自动收录");
}

Text noticeText(std::string_view host) {
    return utf8ToCp936("   温馨提示：  每一个头像内含有数十个头像,鼠标点击图片,左键打开、右键可复制头像  ") + Text(host);
}

}  // namespace pindora
